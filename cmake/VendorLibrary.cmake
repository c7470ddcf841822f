# Links kvnshow against a site's own client library instead of the stand-in:
# KVN_VENDOR_LIBRARY names the vendor's import library (.lib, .dll.a), a
# module-definition file (.def) from which an import library is made, or on
# Linux the shared library itself. The target KVWIN32 then stands for it.
function(kvn_use_vendor_library library)
  if(NOT EXISTS "${library}")
    message(FATAL_ERROR "KVN_VENDOR_LIBRARY: no such file: ${library}")
  endif()
  add_library(KVWIN32 INTERFACE)
  target_link_libraries(KVWIN32 INTERFACE kvnapi)
  if(library MATCHES "\\.[dD][eE][fF]$")
    # The site's .def may list the names plain or decorated; the import
    # library is made for this build's architecture and calling convention.
    set(definitions ${CMAKE_BINARY_DIR}/vendor/KVWIN32.def)
    set(import_library ${CMAKE_BINARY_DIR}/vendor/libKVWIN32.dll.a)
    kvn_write_import_definitions(${library} ${definitions})
    kvn_import_library_command(${definitions} ${import_library} make_import_library)
    add_custom_command(
      OUTPUT ${import_library}
      COMMAND ${make_import_library}
      DEPENDS ${definitions}
      COMMENT "Making the import library of KVWIN32.dll from ${library}"
      VERBATIM)
    add_custom_target(kvnvendorimportlibrary DEPENDS ${import_library})
    add_dependencies(KVWIN32 kvnvendorimportlibrary)
    target_link_libraries(KVWIN32 INTERFACE ${import_library})
  else()
    target_link_libraries(KVWIN32 INTERFACE ${library})
  endif()
endfunction()
