# izpit_add_content(<target> <folder>)
#
# Compiles the content folder <folder> into <target>: the content compiler
# checks the folder and writes its texts as C++ data, and the pictures it let
# through are embedded as Qt resources under :/content. Content that breaks a
# limit stops the build with "file:line: message"; warnings are printed and the
# build goes on.
#
# The content compiler, not the build, decides which files are pictures: it
# writes the resource file rcc compiles and the list of files the build
# depends on, so what is embedded is what was checked, whatever the folder's
# path holds.
function(izpit_add_content target folder)
    get_filename_component(folder "${folder}" ABSOLUTE)
    set(dir "${CMAKE_CURRENT_BINARY_DIR}/${target}_content")
    file(MAKE_DIRECTORY "${dir}")
    # Ninja's dependency files cannot name a path that holds ; " $ or #, and
    # rcc writes its own without escapes, so the build reaches the folder
    # through this link and names it so in both.
    file(CREATE_LINK "${folder}" "${dir}/folder" SYMBOLIC)
    string(MAKE_C_IDENTIFIER "${target}_pictures" resource_name)

    add_custom_command(
        OUTPUT "${dir}/content.cpp" "${dir}/pictures.qrc"
        COMMAND izpit-contentc "${folder}" "${dir}/content.cpp"
            --resources "${dir}/pictures.qrc" --resource-name ${resource_name}
            --depfile "${dir}/content.d" --folder-link "${dir}/folder"
        DEPENDS izpit-contentc
        DEPFILE "${dir}/content.d"
        COMMENT "Checking and compiling the test content in ${folder}"
        VERBATIM)
    add_custom_command(
        OUTPUT "${dir}/pictures.cpp"
        COMMAND Qt6::rcc --name ${resource_name} --depfile "${dir}/pictures.d"
            --output "${dir}/pictures.cpp" "${dir}/pictures.qrc"
        DEPENDS "${dir}/pictures.qrc" Qt6::rcc
        DEPFILE "${dir}/pictures.d"
        COMMENT "Embedding the pictures of ${folder}"
        VERBATIM)
    set_source_files_properties("${dir}/content.cpp" "${dir}/pictures.cpp"
        TARGET_DIRECTORY ${target} PROPERTIES SKIP_AUTOGEN ON)
    target_sources(${target} PRIVATE "${dir}/content.cpp" "${dir}/pictures.cpp")
endfunction()
