# Helpers shared by the folders' CMake files.

# Sources of a folder: every .cpp and .h directly in it (new files are picked up at build).
function(orvanto_folder_sources out dir)
    file(GLOB _src CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
    set(${out} ${_src} PARENT_SCOPE)
endfunction()

# An executable placed in the program folder (or a sub-folder of it).
function(orvanto_program_output target subdir)
    set_target_properties(${target} PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${ORVANTO_PROGRAM_DIR}/${subdir})
endfunction()

# A GoogleTest suite made of every .cpp in a test folder.
function(orvanto_test_suite name dir)
    file(GLOB_RECURSE _src CONFIGURE_DEPENDS ${dir}/*.cpp)
    if(NOT _src)
        return()
    endif()
    add_executable(${name} ${_src})
    target_link_libraries(${name} PRIVATE orv_test_support GTest::gtest GTest::gtest_main ${ARGN})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ORVANTO_PROGRAM_DIR=${ORVANTO_PROGRAM_DIR}"
                   TIMEOUT 120)
endfunction()

# Sources of a folder and all its sub-folders.
function(orvanto_tree_sources out dir)
    file(GLOB_RECURSE _src CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
    set(${out} ${_src} PARENT_SCOPE)
endfunction()
