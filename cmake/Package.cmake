# The release package: a trial kit per architecture that runs from its own folder. It holds the
# module with this repository's stand-in host and kernel (the module imports the kernel's C++
# members by GCC's names, so it runs with this mckernel.dll only), the platform DLL, the runtime
# DLLs they load, the example network and programs, and a README, all below one top folder.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(MC_PACKAGE_BITS 32)
else()
  set(MC_PACKAGE_BITS 64)
endif()
set(MC_PACKAGE_NAME SlaveManagement-${PROJECT_VERSION}-trial-win${MC_PACKAGE_BITS})
list(JOIN MC_RUNTIME_DLLS ", " MC_RUNTIME_LIST)
# The exit statuses as the host's guide gives them, so that the kit says what the guide says:
# the paragraph under "## Exit status" in docs/MCHOST.md, without its code marks.
file(READ ${PROJECT_SOURCE_DIR}/docs/MCHOST.md host_guide)
string(REGEX MATCH "\n## Exit status\n\n([^\n]+(\n[^\n]+)*)" unused "${host_guide}")
if(NOT CMAKE_MATCH_1)
  message(FATAL_ERROR "docs/MCHOST.md has no paragraph under \"## Exit status\" for the kit's README")
endif()
string(REPLACE "`" "" MC_EXIT_STATUS "${CMAKE_MATCH_1}")
# The device names from the host's table of them, in lower case as a user types them.
set(device_header ${PROJECT_SOURCE_DIR}/standins/hostapp/DeviceNames.h)
file(READ ${device_header} device_table)
string(REGEX MATCHALL "\n +DEVICE\\(\"[^\"]+\"\\)" device_entries "${device_table}")
set(device_names "")
foreach(entry IN LISTS device_entries)
  string(REGEX REPLACE "\n +DEVICE\\(\"([^\"]+)\"\\)" "\\1" name "${entry}")
  string(TOLOWER "${name}" name)
  list(APPEND device_names "${name}")
endforeach()
if(NOT device_names)
  message(FATAL_ERROR "${device_header} lists no DEVICE(\" lines")
endif()
list(JOIN device_names ", " MC_DEVICE_NAMES)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/MCHOST.md ${device_header})
configure_file(${CMAKE_CURRENT_LIST_DIR}/README.txt.in ${CMAKE_BINARY_DIR}/package/README.txt @ONLY)

set(MC_PACKAGE_FILES $<TARGET_FILE:mchost> $<TARGET_FILE:mckernel> $<TARGET_FILE:platform>
    $<TARGET_FILE:SlaveManagement>)
foreach(dll ${MC_RUNTIME_DLLS})
  list(APPEND MC_PACKAGE_FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${dll})
endforeach()
set(MC_PACKAGE_TEXTS --text ${CMAKE_BINARY_DIR}/package/README.txt)
foreach(example default-network.json startup.prog mistakes.prog)
  list(APPEND MC_PACKAGE_TEXTS --text examples/${example}=${PROJECT_SOURCE_DIR}/examples/${example})
endforeach()
# Without its --out, so that the package test can run it twice.
set(MC_PACKAGE_COMMAND /usr/bin/python3 ${PROJECT_SOURCE_DIR}/scripts/package-zip
    --strip ${CMAKE_STRIP} --root ${MC_PACKAGE_NAME} ${MC_PACKAGE_TEXTS} ${MC_PACKAGE_FILES})
add_custom_target(release_zip
  COMMAND ${MC_PACKAGE_COMMAND} --out ${CMAKE_BINARY_DIR}/dist/${MC_PACKAGE_NAME}.zip
  DEPENDS mchost mckernel platform SlaveManagement
  COMMENT "Packaging ${MC_PACKAGE_NAME}.zip"
  VERBATIM)
