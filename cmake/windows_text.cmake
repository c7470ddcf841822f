# Writes OUTPUT as a text document for Windows, with CR LF line ends: the
# file INPUT as it is, or, with GROFF given, the manual page INPUT rendered
# as plain text (no bold, underline or overstrike).
if(GROFF)
  execute_process(COMMAND ${GROFF} -man -Tascii -P-cbou ${INPUT}
                  OUTPUT_VARIABLE text ERROR_VARIABLE errors RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT errors STREQUAL "")
    message(FATAL_ERROR "${GROFF} could not render ${INPUT} (${status}):\n${errors}")
  endif()
else()
  file(READ ${INPUT} text)
endif()
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUTPUT} "${text}")
