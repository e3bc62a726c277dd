# The Windows build tree (configured by cmake/WindowsPrograms.cmake of the host build with
# the mingw-w64 toolchain): only what goes onto the medium, and the tests of the portable
# core. Every program is one static executable that needs nothing beyond Windows' own DLLs.
add_compile_definitions(UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--gc-sections)
if(CMAKE_BUILD_TYPE STREQUAL "Release" OR CMAKE_BUILD_TYPE STREQUAL "MinSizeRel")
    add_link_options(-s)
endif()

enable_language(RC)
include(cmake/Orvanto.cmake)

add_subdirectory(src/platform)
add_subdirectory(src/model)
add_subdirectory(src/shell)
add_subdirectory(src/companions)

if(ORVANTO_BUILD_TESTS)
    add_subdirectory(tests/windows)
endif()
if(ORVANTO_BUILD_BENCH)
    add_subdirectory(bench/win32)
endif()
