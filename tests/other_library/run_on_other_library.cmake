# Runs PROGRAM with the loader pointed at LIBRARY_DIR first and compares its
# standard output and exit status with EXPECTED (status 3: the user is unknown).
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env "LD_LIBRARY_PATH=${LIBRARY_DIR}"
          ${PROGRAM} -s anywhere -u nobody
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
file(READ "${EXPECTED}" expected)
if(NOT status EQUAL 3)
  message(FATAL_ERROR "exit status ${status}, expected 3\n${output}${errors}")
endif()
if(NOT output STREQUAL expected)
  message(FATAL_ERROR "standard output differs:\n${output}\nexpected:\n${expected}")
endif()
if(NOT errors STREQUAL "")
  message(FATAL_ERROR "standard error must stay empty: ${errors}")
endif()
