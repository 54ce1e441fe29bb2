# The release package: what a host needs beside its own mckernel.dll (the module, the platform
# DLL and the runtime DLLs they load) and an INSTALL text, in a ZIP named after the project's
# version and the bitness of the hosts it serves.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(MC_PACKAGE_BITS 32)
  set(MC_OTHER_BITS 64)
else()
  set(MC_PACKAGE_BITS 64)
  set(MC_OTHER_BITS 32)
endif()
set(MC_PACKAGE_NAME SlaveManagement-${PROJECT_VERSION}-win${MC_PACKAGE_BITS})
list(JOIN MC_RUNTIME_DLLS ", " MC_RUNTIME_LIST)
configure_file(${CMAKE_CURRENT_LIST_DIR}/INSTALL.txt.in ${CMAKE_BINARY_DIR}/package/INSTALL.txt @ONLY)

set(MC_PACKAGE_FILES $<TARGET_FILE:SlaveManagement> $<TARGET_FILE:platform>)
foreach(dll ${MC_RUNTIME_DLLS})
  list(APPEND MC_PACKAGE_FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${dll})
endforeach()
# Without its --out, so that the package test can run it twice.
set(MC_PACKAGE_COMMAND /usr/bin/python3 ${PROJECT_SOURCE_DIR}/scripts/package-zip
    --strip ${CMAKE_STRIP} --text ${CMAKE_BINARY_DIR}/package/INSTALL.txt ${MC_PACKAGE_FILES})
add_custom_target(release_zip
  COMMAND ${MC_PACKAGE_COMMAND} --out ${CMAKE_BINARY_DIR}/dist/${MC_PACKAGE_NAME}.zip
  DEPENDS SlaveManagement platform
  COMMENT "Packaging ${MC_PACKAGE_NAME}.zip"
  VERBATIM)
