# kvn_check_runpaths(<readelf> <file>...): fails, naming each, when a file's
# runtime path (DT_RUNPATH, or the older DT_RPATH) holds an entry that the
# loader reads relative to the current folder: an empty entry, which it reads
# as the current folder itself, or any other that does not begin with / or
# $ORIGIN. A library would then be loaded from wherever the program was
# started.
function(kvn_check_runpaths readelf)
  set(problems "")
  foreach(file IN LISTS ARGN)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C ${readelf} -d ${file}
                    OUTPUT_VARIABLE dynamic ERROR_VARIABLE errors RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      string(APPEND problems "\n${file}: readelf -d failed with ${status}: ${errors}")
      continue()
    endif()
    string(REGEX MATCHALL "Library (runpath|rpath): \\[[^\n]*\\]" paths "${dynamic}")
    foreach(path IN LISTS paths)
      string(REGEX REPLACE "^Library (runpath|rpath): \\[(.*)\\]$" "\\2" value "${path}")
      # Entry by entry; a list of CMake would drop the empty ones.
      set(relative "")
      set(rest "${value}:")
      while(NOT rest STREQUAL "")
        string(FIND "${rest}" ":" end)
        string(SUBSTRING "${rest}" 0 ${end} entry)
        math(EXPR next "${end} + 1")
        string(SUBSTRING "${rest}" ${next} -1 rest)
        if(NOT entry MATCHES "^(/|\\$ORIGIN(/|$)|\\$\\{ORIGIN\\}(/|$))")
          string(APPEND relative " \"${entry}\"")
        endif()
      endwhile()
      if(relative)
        string(APPEND problems "\n${file}: [${value}] holds${relative}")
      endif()
    endforeach()
  endforeach()
  if(problems)
    message(FATAL_ERROR "runtime path entries that the loader reads relative to the current folder:${problems}")
  endif()
endfunction()
