# Checks the version resource of the Windows program PROGRAM, which Windows
# shows in the file's properties: file and product version 1.0, a
# description, and as the special build the stamp the program prints.
file(STRINGS "${PROGRAM}" stamps REGEX "^@\\(#\\)Built: ")
if(NOT stamps MATCHES "^@\\(#\\)(Built: [^;]+)")
  message(FATAL_ERROR "${PROGRAM} holds no build stamp")
endif()
set(built "${CMAKE_MATCH_1}")

# The resource's texts are UTF-16; each value follows its key. Only texts
# without brackets or semicolons, which would break the list.
file(STRINGS "${PROGRAM}" texts ENCODING UTF-16LE LENGTH_MINIMUM 1 REGEX "^[A-Za-z0-9 :.,_()-]+$")
foreach(pair "FileVersion=1.0" "ProductVersion=1.0" "SpecialBuild=${built}"
             "FileDescription=List the faxes of one user on a Kavrin fax server")
  string(FIND "${pair}" "=" split)
  string(SUBSTRING "${pair}" 0 ${split} key)
  math(EXPR split "${split} + 1")
  string(SUBSTRING "${pair}" ${split} -1 expected)
  list(FIND texts "${key}" index)
  if(index EQUAL -1)
    message(FATAL_ERROR "${PROGRAM} has no version resource text ${key}")
  endif()
  math(EXPR index "${index} + 1")
  list(GET texts ${index} value)
  if(NOT value STREQUAL expected)
    message(FATAL_ERROR "${PROGRAM}: ${key} is \"${value}\", not \"${expected}\"")
  endif()
endforeach()
