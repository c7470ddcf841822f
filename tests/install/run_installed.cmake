# Installs BUILD_DIR into a fresh ROOT and runs the installed kvnshow against
# the demo server, with no library path set: it must find its private client
# library through its runtime path, which names no folder relative to the
# current one, end with status 0, list alice's eleven faxes and write nothing
# on standard error.
#
# Without PACKAGE, cmake --install --prefix ROOT installs it. With PACKAGE,
# CPACK makes the Debian package and DPKG_DEB -x unpacks it into ROOT, so that
# the tree is ROOT/usr; the package's control fields are checked, and LINTIAN,
# when given, must find no error in it. BINDIR, LIBDIR (the private library's
# folder), MANDIR and DOCDIR are relative to the tree.
file(REMOVE_RECURSE ${ROOT})
if(PACKAGE)
  set(work ${ROOT}.package)
  file(REMOVE_RECURSE ${work})
  execute_process(COMMAND ${CPACK} --config ${BUILD_DIR}/CPackConfig.cmake -B ${work}
                  RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
  file(GLOB deb ${work}/*.deb)
  if(NOT status EQUAL 0 OR NOT deb)
    message(FATAL_ERROR "cpack failed with ${status}:\n${log}")
  endif()
  execute_process(COMMAND ${DPKG_DEB} --field ${deb}
                  OUTPUT_VARIABLE fields RESULT_VARIABLE status)
  # Depends is what dpkg-shlibdeps found the binaries link, with versions.
  foreach(field "Section: utils\n" "Priority: optional\n" "Depends: [^\n]*libc6 \\(>= [^)]+\\)")
    if(NOT status EQUAL 0 OR NOT fields MATCHES "(^|\n)${field}")
      message(FATAL_ERROR "the package's control fields lack ${field}:\n${fields}")
    endif()
  endforeach()
  execute_process(COMMAND ${DPKG_DEB} -x ${deb} ${ROOT} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -x failed with ${status}")
  endif()
  if(LINTIAN)
    execute_process(COMMAND ${LINTIAN} --fail-on error ${deb}
                    RESULT_VARIABLE status OUTPUT_VARIABLE hints ERROR_QUIET)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "lintian finds errors in the package:\n${hints}")
    endif()
  endif()
  set(tree ${ROOT}/usr)
else()
  execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${ROOT}
                  RESULT_VARIABLE status OUTPUT_QUIET)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed with ${status}")
  endif()
  set(tree ${ROOT})
endif()

foreach(file ${BINDIR}/kvnshow ${LIBDIR}/libKVWIN32.so ${MANDIR}/man1/kvnshow.1.gz
             ${DOCDIR}/copyright ${DOCDIR}/changelog.gz ${DOCDIR}/README.md.gz)
  if(NOT EXISTS ${tree}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
# Their runtime paths are the installed tree's own, with nothing that names
# the current folder.
include(${CMAKE_CURRENT_LIST_DIR}/../runpath/runpath_entries.cmake)
kvn_check_runpaths(${READELF} ${tree}/${BINDIR}/kvnshow ${tree}/${LIBDIR}/libKVWIN32.so)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH TZ=UTC
          ${tree}/${BINDIR}/kvnshow -s demo -u alice
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
file(REMOVE_RECURSE ${ROOT} ${work})
