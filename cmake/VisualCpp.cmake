# SlaveManagement.dll as Visual C++ builds it for a real host: the module's folders (module/,
# element/, translate/, editor/, res/) on MFC 11 in a shared DLL, multi-byte characters, against
# the host's kernel headers and import library. The stand-ins (standins/: platform, kernel, hostapp) and
# the tests are not part of this build.
#
#   cmake -S . -B build-vc -G "Visual Studio 11 2012" -A Win32 -DMC_HOST_KERNEL_LIBRARY=C:/.../mckernel.lib
#   cmake --build build-vc --config Release
set(MC_HOST_INCLUDE_DIR "" CACHE PATH "Folder of the host kernel library's headers (MC_Kernel.h and what it includes)")
set(MC_HOST_KERNEL_LIBRARY "" CACHE FILEPATH "The host kernel library's import library (mckernel.lib)")
option(MC_REQUIRE_MFC11 "Refuse a compiler other than Visual C++ 2012's (toolset v110)" ON)

if(NOT MC_HOST_KERNEL_LIBRARY)
  message(FATAL_ERROR "Set MC_HOST_KERNEL_LIBRARY to the host's kernel import library, for example "
                      "-DMC_HOST_KERNEL_LIBRARY=C:/Host/SDK/lib/mckernel.lib")
endif()
# The headers must be those of that library: the module's classes embed the host's, so headers
# of another layout would corrupt memory at run time. This repository's host/ is its stand-in's.
if(NOT EXISTS "${MC_HOST_INCLUDE_DIR}/MC_Kernel.h")
  message(FATAL_ERROR "Set MC_HOST_INCLUDE_DIR to the folder of the headers that come with that import library "
                      "(MC_Kernel.h and what it includes), for example -DMC_HOST_INCLUDE_DIR=C:/Host/SDK/include")
endif()
# The host's kernel and the module share MFC objects (strings, dialogs) across the DLL boundary,
# so the module must link the host's MFC, mfc110.dll: that is Visual C++ 2012's toolset, v110,
# also in a later Visual Studio (-T v110).
if(MC_REQUIRE_MFC11 AND NOT MSVC_VERSION EQUAL 1700)
  message(FATAL_ERROR "This is Visual C++ ${MSVC_VERSION}; the host's MFC 11 (mfc110.dll) comes with Visual C++ "
                      "2012, MSVC_VERSION 1700: use its toolset (-T v110 with a later Visual Studio)")
endif()

# Use MFC in a shared DLL; a regular DLL's start-up (DllMain, the module state) comes with it.
# Every configuration, Debug too, takes the release run-time and so the host's release MFC: the
# debug one (mfc110d.dll, which the debug run-time's _DEBUG selects) is not the host's.
set(CMAKE_MFC_FLAG 2)
set(CMAKE_MSVC_RUNTIME_LIBRARY MultiThreadedDLL)

# What the module's folders link by name: MFC itself in place of the platform, the same for every
# source of the DLL; the start-up that MFC's import library brings in place of platformdll; and
# the host's kernel library.
add_library(platform INTERFACE)
target_compile_definitions(platform INTERFACE _AFXDLL _MBCS _USRDLL _WINDLL)
add_library(platformdll INTERFACE)
add_library(mckernel UNKNOWN IMPORTED)
set_target_properties(mckernel PROPERTIES IMPORTED_LOCATION ${MC_HOST_KERNEL_LIBRARY}
                      INTERFACE_INCLUDE_DIRECTORIES ${MC_HOST_INCLUDE_DIR})
target_link_libraries(mckernel INTERFACE platform)

enable_language(RC)
add_subdirectory(element)
add_subdirectory(translate)
add_subdirectory(res)
add_subdirectory(editor)
add_subdirectory(module)
