# Installation in the usual places and the packages made from it: a .deb on
# Linux, a .zip of kvnshow.exe and KVWIN32.dll from the windows preset.
# On Linux the stand-in library goes in KVN_INSTALL_PRIVATE_LIBDIR.
install(TARGETS kvnshow RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET KVWIN32 AND NOT KVN_VENDOR_LIBRARY)
  # On Windows the DLL is a runtime file and goes beside kvnshow.exe, where
  # the loader looks first. A shared library is not a program: 0644.
  install(TARGETS KVWIN32
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    LIBRARY DESTINATION ${KVN_INSTALL_PRIVATE_LIBDIR}
      PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
    ARCHIVE EXCLUDE_FROM_ALL)
endif()

if(WIN32)
  install(FILES docs/kvnshow.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
else()
  # The manual page, the README and the package's changelog compressed as
  # Debian does (gzip -9n: no name or time stamp, so every build gives the
  # same bytes), beside the copyright.
  set(kvn_compressed_docs)
  foreach(doc docs/kvnshow.1 README.md cmake/debian/changelog)
    get_filename_component(name ${doc} NAME)
    set(compressed ${CMAKE_BINARY_DIR}/compressed_docs/${name}.gz)
    add_custom_command(OUTPUT ${compressed}
      COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/${doc} ${CMAKE_BINARY_DIR}/compressed_docs/${name}
      COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/compressed_docs/${name}
      DEPENDS ${PROJECT_SOURCE_DIR}/${doc}
      VERBATIM)
    list(APPEND kvn_compressed_docs ${compressed})
  endforeach()
  add_custom_target(kvnshow_compressed_docs ALL DEPENDS ${kvn_compressed_docs})
  install(FILES ${CMAKE_BINARY_DIR}/compressed_docs/kvnshow.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${CMAKE_BINARY_DIR}/compressed_docs/README.md.gz cmake/debian/copyright
          DESTINATION ${CMAKE_INSTALL_DOCDIR})
  # A package with no Debian revision is a native one: its changelog is
  # changelog.gz.
  install(FILES ${CMAKE_BINARY_DIR}/compressed_docs/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

  # The installed kvnshow finds the library relative to itself, wherever the
  # tree is installed.
  file(RELATIVE_PATH kvn_bin_to_lib /${CMAKE_INSTALL_BINDIR} /${KVN_INSTALL_PRIVATE_LIBDIR})
  set_target_properties(kvnshow PROPERTIES INSTALL_RPATH "$ORIGIN/${kvn_bin_to_lib}")
endif()

set(CPACK_PACKAGE_NAME kvnshow)
set(CPACK_PACKAGE_VENDOR "kvnshow developers")
set(CPACK_PACKAGE_CONTACT "kvnshow developers <kvnshow@kvnshow.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "List the faxes of one user on a Kavrin fax server")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)  # the debug information stays in the build
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  # kvnshow-1.0-win32.zip or -win64.zip: the architecture of the site's
  # KVWIN32.dll decides which one serves.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(CPACK_SYSTEM_NAME win32)
  else()
    set(CPACK_SYSTEM_NAME win64)
  endif()
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
      OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # The summary above is the synopsis; this, the long description.
  string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
      "kvnshow connects to a Kavrin fax server through its client library and\n"
      "lists the faxes in one user's in-box: one line a fax, an extended line or\n"
      "every field, selected by direction and unique-ID pattern, sorted by date on\n"
      "request, with totals. Its output is exact to the byte and its exit status\n"
      "says what happened, for operators and scripts alike.\n"
      "\n"
      "This package carries a stand-in of the client library, private to kvnshow,\n"
      "with an embedded demo server: kvnshow -s demo -u alice.")
  # Depends comes from what the binaries link. dpkg-shlibdeps finds the
  # private library in the staged package through kvnshow's runtime path.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)
