# Installs BUILD_DIR into a fresh PREFIX with cmake --install (BINDIR, LIBDIR
# and MANDIR relative to it) and runs the installed kvnshow against the demo
# server, with no library path set: it must find the installed client library
# through its runtime path, end with status 0, list alice's eleven faxes and
# write nothing on standard error. The manual page must be installed too.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed with ${status}")
endif()
foreach(file ${BINDIR}/kvnshow ${LIBDIR}/libKVWIN32.so ${MANDIR}/man1/kvnshow.1)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH TZ=UTC
          ${PREFIX}/${BINDIR}/kvnshow -s demo -u alice
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT errors STREQUAL "")
  message(FATAL_ERROR "installed kvnshow: status ${status}, standard error: ${errors}\n${output}")
endif()
foreach(expected
    "User: KAVRIN\\ALICE \"Alice Archer\"\n"
    "Rv---------E  2008-11-25 14:30:00  -1  M APP646D56DE85E1\n"
    "\nfaxes:11 listed:11 failed:0 skipped:0 total:11\nrecv:7 sent:4 viewed:6 pages:20 errs:2\n"
    "\nDisconnected\n")
  string(FIND "${output}" "${expected}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the installed kvnshow's output lacks \"${expected}\":\n${output}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
