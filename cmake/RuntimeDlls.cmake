# Ships the MinGW runtime DLLs beside the binaries, as the platform's redistributables would be.
# 32-bit MinGW unwinds with DWARF tables, 64-bit with SEH: the libgcc DLL is named after that.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(MC_RUNTIME_DLLS libstdc++-6.dll libgcc_s_dw2-1.dll libwinpthread-1.dll)
else()
  set(MC_RUNTIME_DLLS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
endif()
foreach(dll ${MC_RUNTIME_DLLS})
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT EXISTS "${path}")
    find_file(path_${dll} ${dll} PATHS ${CMAKE_FIND_ROOT_PATH}/lib NO_DEFAULT_PATH)
    set(path "${path_${dll}}")
  endif()
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "MinGW runtime ${dll} not found")
  endif()
  file(COPY ${path} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
endforeach()
