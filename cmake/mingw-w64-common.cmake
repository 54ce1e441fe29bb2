# What both Windows toolchains share: Debian's MinGW-w64 of the triple MC_MINGW_TRIPLE, posix
# thread model, and Wine to run the binaries (MC_ARCH picks the prefix of that architecture).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${MC_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MC_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MC_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MC_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# CTest and the host script run every Windows binary through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR env MC_ARCH=${MC_ARCH} ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
