# Compiles the resource script with the given include flags and fails when it does not compile or
# when it makes a resource of a named type: a type symbol that no header defines becomes a type
# named by its own text rather than an error. The module's resources all have numbered types.
# cmake -DRC=windres -DSCRIPT=file.rc -DOUT=file.res -DFLAGS="-I..;-I.." -P CheckResourceScript.cmake
execute_process(COMMAND ${RC} ${FLAGS} ${SCRIPT} -O res -o ${OUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${SCRIPT} does not compile against these headers")
endif()
execute_process(COMMAND ${RC} -i ${OUT} -O rc OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${OUT} cannot be read back")
endif()
string(REGEX MATCHALL "Type: \"[^\"]*\"" named "${listing}")
if(named)
  message(FATAL_ERROR "${SCRIPT} makes resources of named types: ${named}")
endif()
