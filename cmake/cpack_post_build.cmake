# Run by cpack after it made the packages (CPACK_POST_BUILD_SCRIPTS).
#
# A zip from cpack records the owner of each file as it was staged, which
# differs between builders. Each zip is made again with Info-ZIP's zip: its
# entries in name order, with the time of SOURCE_DATE_EPOCH, their Unix
# permissions and nothing else (-X: no owner, no extra times).
#
# Then SHA256SUMS beside the packages lists the SHA-256 of each, as
# sha256sum(1) writes it and its -c option checks it.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.zip$")
    continue()
  endif()
  set(unpacked ${package}.contents)
  file(REMOVE_RECURSE ${unpacked})
  file(MAKE_DIRECTORY ${unpacked})
  file(ARCHIVE_EXTRACT INPUT ${package} DESTINATION ${unpacked})
  file(GLOB_RECURSE entries LIST_DIRECTORIES false RELATIVE ${unpacked} ${unpacked}/*)
  list(SORT entries)
  foreach(entry IN LISTS entries)
    execute_process(COMMAND touch -d @$ENV{SOURCE_DATE_EPOCH} ${unpacked}/${entry})
  endforeach()
  file(REMOVE ${package})
  # zip stores the local time: in UTC, the same for every builder.
  execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${CPACK_KVN_ZIP} -X -D -q ${package} ${entries}
                  WORKING_DIRECTORY ${unpacked} RESULT_VARIABLE status)
  file(REMOVE_RECURSE ${unpacked})
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${CPACK_KVN_ZIP} could not make ${package} again")
  endif()
endforeach()

set(sums "")
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  file(SHA256 ${package} sum)
  get_filename_component(name ${package} NAME)
  string(APPEND sums "${sum}  ${name}\n")
endforeach()
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${sums}")
