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
