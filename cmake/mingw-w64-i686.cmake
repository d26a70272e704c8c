# Cross-compiles for 32-bit Windows with Debian's mingw-w64 i686 toolchain.
# The win32-threads compilers keep the output free of the winpthread runtime.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

find_program(MINGW_I686_CXX NAMES i686-w64-mingw32-g++-win32 i686-w64-mingw32-g++ REQUIRED)
# The C driver links without the C++ runtime library, for what must not carry it.
find_program(MINGW_I686_CC NAMES i686-w64-mingw32-gcc-win32 i686-w64-mingw32-gcc REQUIRED)
find_program(MINGW_I686_WINDRES NAMES i686-w64-mingw32-windres REQUIRED)
set(CMAKE_CXX_COMPILER ${MINGW_I686_CXX})
set(CMAKE_C_COMPILER ${MINGW_I686_CC})
set(CMAKE_RC_COMPILER ${MINGW_I686_WINDRES})

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
