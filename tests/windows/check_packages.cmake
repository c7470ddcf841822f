# Makes the packages of the Windows build in BUILD_DIR with CPACK into WORK
# and checks them, unpacked in WORK/unpacked: the site zip
# kvnshow-1.0-<SYSTEM_NAME>.zip holds one folder of its own name with
# kvnshow.exe and the text documents, and no KVWIN32.dll that could shadow
# the vendor's; the demo zip, a folder of its own name, adds the stand-in
# KVWIN32.dll; the documents have CR LF line ends, and README.txt is the
# site's README SITE_README with them; SHA256SUMS lists both.
#
# With RUN_DEMO, it makes nothing and runs the unpacked demo instead, under
# WINE with WINE_PREFIX: it must list the demo server's faxes.
cmake_minimum_required(VERSION 3.25)

set(site_package kvnshow-1.0-${SYSTEM_NAME})
set(demo_package ${site_package}-demo)
set(unpacked ${WORK}/unpacked)

if(RUN_DEMO)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=KVNSIM_SERVERS WINEPREFIX=${WINE_PREFIX} WINEDEBUG=-all
            TZ=UTC ${WINE} ${unpacked}/${demo_package}/kvnshow.exe -s demo -u alice
    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
  string(FIND "${output}" "\nfaxes:11 listed:11 failed:0 skipped:0 total:11" totals)
  if(NOT status EQUAL 0 OR totals EQUAL -1 OR NOT errors STREQUAL "")
    message(FATAL_ERROR "the demo package's kvnshow.exe ended with ${status}:\n${output}${errors}")
  endif()
  return()
endif()

file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CPACK} --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK}
                RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed with ${status}:\n${log}")
endif()

set(documents README.txt kvnshow.txt)
file(READ ${SITE_README} site_readme)
string(REPLACE "\n" "\r\n" site_readme "${site_readme}")
file(WRITE ${WORK}/expected_README.txt "${site_readme}")
file(SHA256 ${WORK}/expected_README.txt expected_readme_sum)
foreach(package site_package demo_package)
  set(name ${${package}})
  file(ARCHIVE_EXTRACT INPUT ${WORK}/${name}.zip DESTINATION ${unpacked})
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${unpacked} ${unpacked}/${name}/*)
  set(expected ${documents} kvnshow.exe)
  if(package STREQUAL "demo_package")
    list(APPEND expected KVWIN32.dll)
  endif()
  list(TRANSFORM expected PREPEND ${name}/)
  list(SORT expected)
  list(SORT files)
  if(NOT files STREQUAL expected)
    message(FATAL_ERROR "${name}.zip holds ${files}\nexpected: ${expected}")
  endif()
  foreach(document IN LISTS documents)
    # As hexadecimal bytes: file(READ) as text drops every CR.
    file(READ ${unpacked}/${name}/${document} bytes HEX)
    string(REGEX REPLACE "(..)" "\\1 " bytes "${bytes}")
    string(REPLACE "0d 0a " "" without_crlf "${bytes}")
    string(REGEX MATCH "(^| )0a " bare_line_end "${without_crlf}")
    if(bytes STREQUAL without_crlf OR bare_line_end)
      message(FATAL_ERROR "${name}/${document} has no line end, or one without CR")
    endif()
  endforeach()
  file(SHA256 ${unpacked}/${name}/README.txt readme_sum)
  if(NOT readme_sum STREQUAL expected_readme_sum)
    message(FATAL_ERROR "${name}/README.txt is not ${SITE_README} with CR LF line ends")
  endif()
  file(SHA256 ${WORK}/${name}.zip sum)
  file(STRINGS ${WORK}/SHA256SUMS listed REGEX "  ${name}\\.zip$")
  if(NOT listed STREQUAL "${sum}  ${name}.zip")
    message(FATAL_ERROR "SHA256SUMS lists \"${listed}\" for ${name}.zip, whose SHA-256 is ${sum}")
  endif()
endforeach()
