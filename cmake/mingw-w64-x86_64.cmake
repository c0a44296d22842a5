# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads, which Qt needs).
# Used for Qt itself (scripts/windows-qt) and for Bandalyx (`make windows`).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(BANDALYX_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BANDALYX_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BANDALYX_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${BANDALYX_MINGW}-windres)
set(CMAKE_AR ${BANDALYX_MINGW}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${BANDALYX_MINGW}-ranlib CACHE FILEPATH "")

# Build tools come from the host; libraries, headers and packages only from the target's root
# and the prefixes named on the command line (Qt for Windows).
set(CMAKE_FIND_ROOT_PATH /usr/${BANDALYX_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
