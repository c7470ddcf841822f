# Runs the kvnshow.exe of the stand-in build (STANDIN_DIR) and the one built
# against an import library made from the module-definition file (VENDOR_DIR,
# with the stand-in KVWIN32.dll copied beside it) under WINE, against the demo
# server: both must end with status 0 and write the same bytes, the demo
# server's listing, and nothing on standard error.
foreach(build STANDIN VENDOR)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${WINE_PREFIX} WINEDEBUG=-all TZ=UTC
            ${WINE} ${${build}_DIR}/kvnshow.exe -s demo -u alice
    OUTPUT_VARIABLE output_${build}
    ERROR_VARIABLE errors_${build}
    RESULT_VARIABLE status_${build})
  if(NOT status_${build} EQUAL 0)
    message(FATAL_ERROR "${build} build: exit status ${status_${build}}\n${output_${build}}${errors_${build}}")
  endif()
  if(NOT errors_${build} STREQUAL "")
    message(FATAL_ERROR "${build} build: standard error must stay empty: ${errors_${build}}")
  endif()
endforeach()
if(NOT output_VENDOR STREQUAL output_STANDIN)
  message(FATAL_ERROR "the vendor build writes\n${output_VENDOR}\nthe stand-in build\n${output_STANDIN}")
endif()
string(FIND "${output_VENDOR}" "\nfaxes:11 listed:11 failed:0 skipped:0 total:11" totals)
if(totals EQUAL -1)
  message(FATAL_ERROR "no totals line of the demo server's listing:\n${output_VENDOR}")
endif()
