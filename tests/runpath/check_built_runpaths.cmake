# cmake -DREADELF=<readelf> -DLIST=<file> [-DALSO=<file>...] -P check_built_runpaths.cmake
# Checks every program and shared library the build makes with
# kvn_check_runpaths: its targets, one path a line in LIST, and those it makes
# otherwise (ALSO).
include(${CMAKE_CURRENT_LIST_DIR}/runpath_entries.cmake)
file(STRINGS ${LIST} binaries)
list(APPEND binaries ${ALSO})
if(NOT binaries)
  message(FATAL_ERROR "${LIST} names no binary")
endif()
kvn_check_runpaths(${READELF} ${binaries})
list(LENGTH binaries count)
message(STATUS "${count} binaries, no runtime path entry relative to the current folder")
