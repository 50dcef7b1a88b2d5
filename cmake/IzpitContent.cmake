# izpit_add_content(<target> <folder>)
#
# Compiles the content folder <folder> into <target>: the content compiler
# checks the folder and writes its texts as C++ data, and the pictures are
# embedded as Qt resources under :/content. Content that breaks a limit stops
# the build with "file:line: message".
function(izpit_add_content target folder)
    get_filename_component(folder "${folder}" ABSOLUTE)
    file(GLOB pictures CONFIGURE_DEPENDS "${folder}/pictures/*")
    list(FILTER pictures EXCLUDE REGEX "/\\.[^/]*$") # hidden files are not pictures
    set(generated "${CMAKE_CURRENT_BINARY_DIR}/${target}_content.cpp")
    add_custom_command(
        OUTPUT "${generated}"
        COMMAND izpit-contentc "${folder}" "${generated}"
        DEPENDS izpit-contentc "${folder}/questions.gift" "${folder}/settings.txt" ${pictures}
        COMMENT "Compiling test content ${folder}"
        VERBATIM)
    target_sources(${target} PRIVATE "${generated}")
    if(pictures)
        # The prefix is the one CppWriter names the pictures by.
        qt_add_resources(${target} "${target}_pictures"
            PREFIX "/content" BASE "${folder}" FILES ${pictures})
    endif()
endfunction()
