# Checks the Windows build in BUILD_DIR with OBJDUMP, without running it:
# each file checked has the object FORMAT (pei-i386, a PE32 file, or
# pei-x86-64, a PE32+ file); kvnshow.exe and kvnshow_fake_sleep.exe import
# nothing from KVWIN32.dll, which they load at run time, so that Windows
# starts them whatever library a site has, or none; kvnshow.exe imports Sleep
# from KERNEL32.dll, the test copy does not. LIBRARY, when given, names the
# stand-in library in BUILD_DIR, which must export exactly the names listed
# in the module-definition file DEFINITIONS, plain (without the @N of a
# 32-bit __stdcall name). Every import of kvnshow.exe, and every import of
# that library, must be in the table OLDEST_WINDOWS (lines "<DLL> <function>
# <builds>") for the build ARCHITECTURE (x86 or x64): what the
# oldest Windows the program starts on has.

cmake_minimum_required(VERSION 3.25)

# What objdump -p says of file, checked for FORMAT, as a list of lines.
function(dump_of file result)
  execute_process(COMMAND ${OBJDUMP} -p ${file} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${file} failed")
  endif()
  if(NOT dump MATCHES "file format ([^\n]+)")
    message(FATAL_ERROR "${OBJDUMP} -p ${file} names no file format")
  elseif(NOT CMAKE_MATCH_1 STREQUAL FORMAT)
    message(FATAL_ERROR "${file} is ${CMAKE_MATCH_1}, not ${FORMAT}")
  endif()
  string(REPLACE "\n" ";" lines "${dump}")
  set(${result} "${lines}" PARENT_SCOPE)
endfunction()

# The import table of program, as a list of "<DLL>:<name>".
function(imports_of program result)
  dump_of(${program} lines)
  set(found "")
  set(dll "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*DLL Name: (.+)$")
      string(TOUPPER "${CMAKE_MATCH_1}" dll)
    elseif(line MATCHES "^[ \t]*$")
      set(dll "")
    elseif(dll AND line MATCHES "^[ \t]+[0-9a-f]+[ \t]+[0-9]+[ \t]+([A-Za-z0-9_@]+)$")
      list(APPEND found "${dll}:${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set(${result} "${found}" PARENT_SCOPE)
endfunction()

# Fails when file imports from the system what the oldest Windows lacks.
function(check_oldest_windows file imports)
  set(newer "")
  foreach(import IN LISTS imports)
    if(NOT import IN_LIST oldest_windows)
      list(APPEND newer "${import}")
    endif()
  endforeach()
  if(newer)
    list(JOIN newer ", " newer)
    message(FATAL_ERROR "${file} imports what ${OLDEST_WINDOWS} does not list for ${ARCHITECTURE}, "
                        "the oldest Windows it must start on: ${newer}")
  endif()
endfunction()

file(STRINGS ${DEFINITIONS} definition_lines)
set(expected "")
foreach(line IN LISTS definition_lines)
  if(line MATCHES "^[ \t]+(Kvn[A-Za-z0-9]+)(@[0-9]+)?[ \t]*$")
    list(APPEND expected "KVWIN32.DLL:${CMAKE_MATCH_1}")
  endif()
endforeach()
list(LENGTH expected count)
if(NOT count EQUAL 13)
  message(FATAL_ERROR "${DEFINITIONS} lists ${count} calls, not the thirteen")
endif()
list(SORT expected)

file(STRINGS ${OLDEST_WINDOWS} table_lines REGEX "^[^#]")
set(oldest_windows "")
foreach(line IN LISTS table_lines)
  if(NOT line MATCHES "^([A-Za-z0-9_.]+)[ \t]+([A-Za-z0-9_@]+)[ \t]+([ \tx0-9]+)$")
    message(FATAL_ERROR "${OLDEST_WINDOWS}: not \"<DLL> <function> <builds>\": ${line}")
  endif()
  string(TOUPPER "${CMAKE_MATCH_1}" dll)
  set(function "${CMAKE_MATCH_2}")
  string(REGEX MATCHALL "x86|x64" builds "${CMAKE_MATCH_3}")
  if(ARCHITECTURE IN_LIST builds)
    list(APPEND oldest_windows "${dll}:${function}")
  endif()
endforeach()
list(LENGTH oldest_windows count)
if(count EQUAL 0)
  message(FATAL_ERROR "${OLDEST_WINDOWS} lists nothing for ${ARCHITECTURE}")
endif()

foreach(program IN ITEMS kvnshow.exe kvnshow_fake_sleep.exe)
  imports_of(${BUILD_DIR}/${program} imports)
  if(program STREQUAL "kvnshow.exe")
    check_oldest_windows(${program} "${imports}")
  endif()
  set(from_library ${imports})
  list(FILTER from_library INCLUDE REGEX "^KVWIN32\\.DLL:")
  if(from_library)
    message(FATAL_ERROR "${program} imports from KVWIN32.dll, which it must load at run time: ${from_library}")
  endif()
  list(FIND imports "KERNEL32.DLL:Sleep" sleep_index)
  if(program STREQUAL "kvnshow.exe" AND sleep_index EQUAL -1)
    message(FATAL_ERROR "kvnshow.exe does not import the system's Sleep")
  elseif(program STREQUAL "kvnshow_fake_sleep.exe" AND NOT sleep_index EQUAL -1)
    message(FATAL_ERROR "kvnshow_fake_sleep.exe still imports the system's Sleep")
  endif()
endforeach()

if(LIBRARY)
  # The export table's names follow its "[Ordinal/Name Pointer] Table" line.
  dump_of(${BUILD_DIR}/${LIBRARY} lines)
  set(exports "")
  set(in_names FALSE)
  foreach(line IN LISTS lines)
    if(line MATCHES "^\\[Ordinal/Name Pointer\\] Table")
      set(in_names TRUE)
    elseif(in_names AND line MATCHES "^[ \t]+\\[ *[0-9]+\\] (.+)$")
      list(APPEND exports "KVWIN32.DLL:${CMAKE_MATCH_1}")
    elseif(in_names)
      break()
    endif()
  endforeach()
  list(SORT exports)
  if(NOT exports STREQUAL expected)
    message(FATAL_ERROR "${LIBRARY} exports: ${exports}\nexpected: ${expected}")
  endif()
  # The demo packages ship it beside kvnshow.exe: it must load where the
  # program starts.
  imports_of(${BUILD_DIR}/${LIBRARY} imports)
  check_oldest_windows(${LIBRARY} "${imports}")
endif()
