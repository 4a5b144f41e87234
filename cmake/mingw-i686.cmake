# Cross-build for 32-bit (x86) Windows with Debian's MinGW-w64 (posix threads).
set(MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
