# Cross-compiles the 32-bit Windows binaries with Debian's MinGW-w64 (posix thread model).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(MC_MINGW_TRIPLE i686-w64-mingw32)
set(MC_ARCH x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
# SSE2 arithmetic, as on x86-64: x87's extended precision would round some times differently
# (409.9 ms on a 0.2 ms loop is 2049 periods with SSE2 and 2050 with x87).
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
