# The medium's programs for Windows: a second build tree, configured with the mingw-w64
# toolchain, that builds ORVNMENU.EXE, BE.exe, VTFlashPlayer.exe and VTPictureGallery.exe
# as static Win32 programs straight into the program folder (Release/, BE/, FlashPlayer/,
# PictureGallery/), and the portable core's tests, which CTest runs under Wine.
#
# Without mingw-w64 (ORVANTO_WINDOWS_MEDIUM off) the host builds stand in for them, so a
# machine without the cross compiler still gets a working editor.
find_program(ORVANTO_MINGW_CXX x86_64-w64-mingw32-g++-posix)
find_program(ORVANTO_WINE_PROGRAM wine)
set(_medium_default OFF)
if(ORVANTO_MINGW_CXX)
    set(_medium_default ON)
endif()
option(ORVANTO_WINDOWS_MEDIUM "Cross-build the medium's programs for Windows with mingw-w64" ${_medium_default})

set(ORVANTO_WINDOWS_BUILD_DIR ${CMAKE_BINARY_DIR}/windows)
# The throw-away Wine prefix that the tests and the test runs under Wine use.
set(ORVANTO_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine CACHE PATH "Wine prefix for the tests")

if(ORVANTO_WINDOWS_MEDIUM)
    if(NOT ORVANTO_MINGW_CXX)
        message(FATAL_ERROR "ORVANTO_WINDOWS_MEDIUM needs x86_64-w64-mingw32-g++-posix (package g++-mingw-w64-x86-64-posix)")
    endif()
    include(ExternalProject)
    ExternalProject_Add(medium_windows
        SOURCE_DIR ${PROJECT_SOURCE_DIR}
        BINARY_DIR ${ORVANTO_WINDOWS_BUILD_DIR}
        CMAKE_GENERATOR Ninja
        CMAKE_ARGS
            -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
            -DCMAKE_BUILD_TYPE=MinSizeRel
            -DORVANTO_PROGRAM_DIR=${ORVANTO_PROGRAM_DIR}
            -DORVANTO_BUILD_TESTS=${ORVANTO_BUILD_TESTS}
            -DORVANTO_BUILD_BENCH=${ORVANTO_BUILD_BENCH}
            -DORVANTO_HOST_SOURCE_DIR=${PROJECT_SOURCE_DIR}
        BUILD_ALWAYS ON
        INSTALL_COMMAND ""
        USES_TERMINAL_BUILD ON)
endif()

# Registers a Windows test program of the second build tree as one CTest test, run once
# under Wine (one Wine start for the whole program, not one per test case).
function(orvanto_wine_test name exe)
    if(NOT ORVANTO_WINDOWS_MEDIUM OR NOT ORVANTO_WINE_PROGRAM)
        return()
    endif()
    add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/scripts/lib/wine-run ${ORVANTO_WINDOWS_BUILD_DIR}/${exe} ${ARGN})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "ORVANTO_WINE_PREFIX=${ORVANTO_WINE_PREFIX}"
        TIMEOUT 300)
endfunction()
