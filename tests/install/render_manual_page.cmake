# Renders the manual page PAGE with GROFF, every warning on: it must render
# and warn of nothing.
execute_process(COMMAND ${GROFF} -man -ww -z ${PAGE}
                RESULT_VARIABLE status ERROR_VARIABLE warnings)
if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
  message(FATAL_ERROR "${PAGE}: status ${status}\n${warnings}")
endif()
