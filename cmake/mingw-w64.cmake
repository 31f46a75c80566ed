# Cross-builds the Windows program (devmgr.exe) on Linux with Debian's
# MinGW-w64 compiler:
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
find_program(CMAKE_CXX_COMPILER NAMES ${triple}-g++-posix ${triple}-g++
             REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Nothing but the executable: the tests run on the build machine.
set(DEVMGR_BUILD_TESTS OFF CACHE BOOL "" FORCE)
