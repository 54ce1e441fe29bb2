# The module's Visual C++ build, configured and compiled on Linux by clang-cl in the place of
# Visual C++: its command line, dialect and ABI. tests/module/mfcdecl's declarations stand in for MFC's
# headers, MinGW-w64's (MC_MSVC_SYSTEM_INCLUDES) for the Windows SDK's and the C++ library's.
# Nothing links: the libraries of MFC and of the C run-time are Microsoft's.
#   cmake -DCMAKE_TOOLCHAIN_FILE=ClangClToolchain.cmake -DMC_MSVC_ARCH=x64|x86 "-DMC_MSVC_SYSTEM_INCLUDES=DIR;..."
set(CMAKE_SYSTEM_NAME Windows)
if(MC_MSVC_ARCH STREQUAL "x86")
  set(CMAKE_SYSTEM_PROCESSOR X86)
  set(triple i686-pc-windows-msvc)
else()
  set(CMAKE_SYSTEM_PROCESSOR AMD64)
  set(triple x86_64-pc-windows-msvc)
endif()
find_program(CMAKE_C_COMPILER NAMES clang-cl clang-cl-14 REQUIRED)
set(CMAKE_CXX_COMPILER ${CMAKE_C_COMPILER})
find_program(CMAKE_RC_COMPILER NAMES llvm-rc llvm-rc-14 REQUIRED)
find_program(CMAKE_AR NAMES llvm-lib llvm-lib-14 REQUIRED)
find_program(CMAKE_LINKER NAMES lld-link lld-link-14 REQUIRED)
find_program(CMAKE_MT NAMES llvm-mt llvm-mt-14)
# The compiler's own checks make a library, not a program: there is no C run-time to link.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MC_MSVC_ARCH MC_MSVC_SYSTEM_INCLUDES)

# MinGW-w64's headers read as GCC reads them (__GNUC__, __declspec a macro), the C++ library in
# its strict mode.
set(flags "--target=${triple} -fgnuc-version=4.2.1 -D__STRICT_ANSI__ /FI${CMAKE_CURRENT_LIST_DIR}/MingwHeadersForMsvc.h")
foreach(dir ${CMAKE_CURRENT_LIST_DIR}/../mfcdecl ${MC_MSVC_SYSTEM_INCLUDES})
  string(APPEND flags " /imsvc ${dir}")
endforeach()
set(CMAKE_C_FLAGS_INIT "${flags}")
set(CMAKE_CXX_FLAGS_INIT "${flags}")
