# Checks that the executable PROGRAM carries its identification strings whole.
file(STRINGS "${PROGRAM}" found REGEX "^@\\(#\\)")
foreach(expected "@(#)Release: 1.0" "@(#)Built: Dec  6 2008")
  list(FIND found "${expected}" index)
  if(index EQUAL -1)
    message(FATAL_ERROR "${PROGRAM} lacks \"${expected}\"; it has: ${found}")
  endif()
endforeach()
