# Installation and the Debian package.
#
# `cmake --install build --prefix DIR` installs the program with its menu entry,
# AppStream metainfo, icons, manual page and licence; `scripts/package` (cpack)
# makes the .deb. The files themselves are in data/.

include(GNUInstallDirs)

# The application id, in reverse-DNS form from the maker's web address
# www.izpit.example. The desktop entry, the metainfo and the icons are named by
# it, and the entry's Icon= and the metainfo's launchable name them by it.
set(IZPIT_APP_ID example.izpit.Izpit)
set(IZPIT_ICON_SIZES 16 22 24 32 48 64 128 256)

find_program(RSVG_CONVERT rsvg-convert REQUIRED) # Debian: librsvg2-bin
find_program(GZIP gzip REQUIRED)

# The theme icons, drawn from the window icon's SVG into the build tree.
set(izpit_icon_svg "${PROJECT_SOURCE_DIR}/window/icon/izpit.svg")
set(izpit_data_outputs)
foreach(size IN LISTS IZPIT_ICON_SIZES)
    set(dir "${PROJECT_BINARY_DIR}/icons/hicolor/${size}x${size}/apps")
    add_custom_command(
        OUTPUT "${dir}/${IZPIT_APP_ID}.png"
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${dir}"
        COMMAND "${RSVG_CONVERT}" -w ${size} -h ${size}
                -o "${dir}/${IZPIT_APP_ID}.png" "${izpit_icon_svg}"
        DEPENDS "${izpit_icon_svg}"
        COMMENT "Drawing the ${size}x${size} icon"
        VERBATIM)
    list(APPEND izpit_data_outputs "${dir}/${IZPIT_APP_ID}.png")
    install(FILES "${dir}/${IZPIT_APP_ID}.png"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
endforeach()

# The manual page, with the version filled in and compressed as Debian wants.
configure_file(data/izpit.1 "${PROJECT_BINARY_DIR}/man/izpit.1" @ONLY)
add_custom_command(
    OUTPUT "${PROJECT_BINARY_DIR}/man/izpit.1.gz"
    COMMAND "${GZIP}" -9 -n -k -f "${PROJECT_BINARY_DIR}/man/izpit.1"
    DEPENDS "${PROJECT_BINARY_DIR}/man/izpit.1"
    COMMENT "Compressing the manual page"
    VERBATIM)
list(APPEND izpit_data_outputs "${PROJECT_BINARY_DIR}/man/izpit.1.gz")

add_custom_target(izpit_data ALL DEPENDS ${izpit_data_outputs})

install(TARGETS izpit RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(FILES "data/${IZPIT_APP_ID}.desktop"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "data/${IZPIT_APP_ID}.metainfo.xml"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${izpit_icon_svg}"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
    RENAME "${IZPIT_APP_ID}.svg")
install(FILES "${PROJECT_BINARY_DIR}/man/izpit.1.gz"
    DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES LICENSE data/copyright DESTINATION "${CMAKE_INSTALL_DOCDIR}")

# The Debian package: its dependencies are those of the shared libraries the
# program links (dpkg-shlibdeps) plus the font the window is drawn in.
set(IZPIT_PACKAGE_MAINTAINER "izpit <https://www.izpit.example/>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME izpit)
set(CPACK_PACKAGE_VENDOR izpit)
set(CPACK_PACKAGE_CONTACT "${IZPIT_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "multiple-choice test for learners, in Bulgarian")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGE_DESCRIPTION "izpit shows a multiple-choice test in one window, in Bulgarian. The learner
picks one answer per question, moves back and forth freely and grades the
test at any moment; the review colours the chosen and the correct answers,
explains every question and gives the score. It comes with a test of 20
questions on congruent triangles and opens a teacher's own test folder.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.izpit.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
