# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX threads,
# which the C++ standard library's threads need).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(tw_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${tw_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${tw_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${tw_mingw}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${tw_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
