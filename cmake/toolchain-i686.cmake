# Cross-compiling for i686 Windows with Debian's MinGW-w64 (win32 thread model, so no winpthread DLL).
# Used for the program's own builds and for the static libjpeg-turbo that scripts/setup.sh makes.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR X86)
set(MINGW_TRIPLE i686-w64-mingw32)

set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
