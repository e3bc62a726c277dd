# Cross-builds the medium's programs for 64-bit Windows with Debian's mingw-w64 (the -posix
# compilers, which give the C++ standard library its threads and std::filesystem).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORVANTO_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ORVANTO_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVANTO_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVANTO_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ORVANTO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs run under Wine (ctest, gtest discovery).
find_program(ORVANTO_WINE wine)
if(ORVANTO_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${ORVANTO_WINE})
endif()
