# Cross-compiles the 32-bit Windows binaries with Debian's MinGW-w64 (posix thread model).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(MC_MINGW_TRIPLE i686-w64-mingw32)
set(MC_ARCH x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
