# Cross-compiles the 64-bit Windows binaries with Debian's MinGW-w64 (posix thread model).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MC_MINGW_TRIPLE x86_64-w64-mingw32)
set(MC_ARCH x64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
