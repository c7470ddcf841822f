# How kvnshow and KVWIN32.dll meet on Windows: the calling convention of the
# thirteen calls and of the comparison that KvnListSort calls back, and the
# names under which the calls are linked and looked up.
#
# 32-bit __stdcall calls are linked under decorated names (KvnLoadUser3@40)
# while a library built from a module-definition file exports the plain names
# (KvnLoadUser3): the import library is made from a .def with the argument
# sizes and dlltool --kill-at, so that the program imports the plain names.
# 64-bit and __cdecl calls have plain names only.

set(KVN_CALLING_CONVENTION stdcall CACHE STRING
    "32-bit Windows: the calling convention of the client library's calls (stdcall or cdecl)")
set_property(CACHE KVN_CALLING_CONVENTION PROPERTY STRINGS stdcall cdecl)
set(KVN_CALLBACK_CONVENTION "" CACHE STRING
    "32-bit Windows: the convention in which KvnListSort calls the comparison back (stdcall or cdecl; empty: that of the calls)")
set_property(CACHE KVN_CALLBACK_CONVENTION PROPERTY STRINGS "" stdcall cdecl)
if(NOT KVN_CALLING_CONVENTION MATCHES "^(stdcall|cdecl)$")
  message(FATAL_ERROR "KVN_CALLING_CONVENTION is \"${KVN_CALLING_CONVENTION}\": give stdcall or cdecl")
endif()
if(NOT KVN_CALLBACK_CONVENTION MATCHES "^(stdcall|cdecl)?$")
  message(FATAL_ERROR "KVN_CALLBACK_CONVENTION is \"${KVN_CALLBACK_CONVENTION}\": give stdcall, cdecl or nothing")
endif()

set(KVN_API_DEFINITIONS ${PROJECT_SOURCE_DIR}/src/kvnapi/KVWIN32.def)

# The definitions that give kvnapi.h the conventions, on the one platform
# where there is a choice.
set(KVN_KVNAPI_COMPILE_DEFINITIONS "")
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  if(KVN_CALLING_CONVENTION STREQUAL "cdecl")
    list(APPEND KVN_KVNAPI_COMPILE_DEFINITIONS KVNAPI_CALLS_CDECL)
  endif()
  if(KVN_CALLBACK_CONVENTION STREQUAL "cdecl")
    list(APPEND KVN_KVNAPI_COMPILE_DEFINITIONS KVNAPI_CALLBACK_CDECL)
  elseif(KVN_CALLBACK_CONVENTION STREQUAL "stdcall")
    list(APPEND KVN_KVNAPI_COMPILE_DEFINITIONS KVNAPI_CALLBACK_STDCALL)
  endif()
endif()

# Writes to output the module-definition file of the thirteen calls as this
# build links them, from input, a .def that lists them (ours or a site's): its
# LIBRARY line and each of the thirteen names, stripped of any decoration
# (_Name@N, Name@N) or ordinal, then for 32-bit __stdcall decorated with the
# argument size that src/kvnapi/KVWIN32.def gives. Other exports are left out.
function(kvn_write_import_definitions input output)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${input} ${KVN_API_DEFINITIONS})
  set(decorate FALSE)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4 AND KVN_CALLING_CONVENTION STREQUAL "stdcall")
    set(decorate TRUE)
  endif()
  set(calls "")
  file(STRINGS ${KVN_API_DEFINITIONS} lines)
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]+(Kvn[A-Za-z0-9]+)@([0-9]+)[ \t]*$")
      list(APPEND calls ${CMAKE_MATCH_1})
      set(size_${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
    endif()
  endforeach()

  set(library "LIBRARY KVWIN32.dll")
  set(found "")
  file(STRINGS ${input} lines)
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*LIBRARY[ \t]")
      string(STRIP "${line}" library)
    elseif(line MATCHES "^[ \t]+_?(Kvn[A-Za-z0-9]+)(@[0-9]+)?([ \t].*)?$")
      list(FIND calls ${CMAKE_MATCH_1} known)
      if(NOT known EQUAL -1)
        list(APPEND found ${CMAKE_MATCH_1})
      endif()
    endif()
  endforeach()

  set(text "; Made by the build from ${input}\n${library}\nEXPORTS\n")
  foreach(call IN LISTS calls)
    list(FIND found ${call} index)
    if(index EQUAL -1)
      message(FATAL_ERROR "${input} does not export ${call}")
    endif()
    if(decorate)
      string(APPEND text "    ${call}@${size_${call}}\n")
    else()
      string(APPEND text "    ${call}\n")
    endif()
  endforeach()
  file(CONFIGURE OUTPUT ${output} CONTENT "${text}" @ONLY)
endfunction()

# The dlltool command that makes the import library output from the
# definitions of kvn_write_import_definitions.
function(kvn_import_library_command definitions output result)
  if(NOT CMAKE_DLLTOOL)
    message(FATAL_ERROR "Making the import library of KVWIN32.dll needs dlltool")
  endif()
  set(${result} ${CMAKE_DLLTOOL} --kill-at --input-def ${definitions} --dllname KVWIN32.dll
      --output-lib ${output} PARENT_SCOPE)
endfunction()
