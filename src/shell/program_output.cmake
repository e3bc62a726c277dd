# Places a program that the editor copies onto a menu medium in the program folder under
# its exact Windows file name, with its application manifest beside it.
#   orvanto_medium_program(target subdir name suffix description)
# gives <program dir>/<subdir>/<name><suffix> and <name><suffix>.manifest next to it.
set(ORVANTO_MANIFEST_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/program.manifest.in)

function(orvanto_medium_program target subdir name suffix description)
    orvanto_program_output(${target} ${subdir})
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${name} SUFFIX ${suffix})

    set(MANIFEST_NAME ${name})
    set(MANIFEST_DESCRIPTION ${description})
    set(MANIFEST_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
    set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${target}/${name}${suffix}.manifest)
    configure_file(${ORVANTO_MANIFEST_TEMPLATE} ${manifest} @ONLY)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${manifest}
                $<TARGET_FILE_DIR:${target}>/${name}${suffix}.manifest
        VERBATIM)

    install(TARGETS ${target} RUNTIME DESTINATION ${subdir})
    install(FILES ${manifest} DESTINATION ${subdir})
endfunction()

# Windows resources of a medium program: its version information and its icons. With
# MENU_ICONS the program carries the eight window icons the author chooses from (icon
# resources 1 to 8, App1.ico to App8.ico; the first is the one the drive shows), otherwise
# only the first.
#   orvanto_windows_resources(target description original_file_name [MENU_ICONS])
set(ORVANTO_ICON_DIR ${CMAKE_CURRENT_LIST_DIR}/../../resources/windows)
function(orvanto_windows_resources target description file_name)
    cmake_parse_arguments(PARSE_ARGV 3 arg "MENU_ICONS" "" "")
    set(icon_count 1)
    if(arg_MENU_ICONS)
        set(icon_count 8)
    endif()
    get_filename_component(icon_dir ${ORVANTO_ICON_DIR} ABSOLUTE)
    set(icons "")
    foreach(n RANGE 1 ${icon_count})
        string(APPEND icons "${n} ICON \"${icon_dir}/App${n}.ico\"\n")
    endforeach()
    set(RC_ICONS ${icons})
    set(RC_DESCRIPTION ${description})
    set(RC_FILE_NAME ${file_name})
    set(RC_VERSION_COMMAS ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0)
    set(RC_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}/${target}.rc)
    configure_file(${ORVANTO_RC_TEMPLATE} ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()
set(ORVANTO_RC_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/program.rc.in)
