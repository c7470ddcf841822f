# Installation in the usual places and the packages made from it: a .deb on
# Linux; on Windows a site zip of kvnshow.exe and its documents, and a demo
# zip that adds the stand-in KVWIN32.dll.
if(WIN32)
  # Windows looks for a DLL in the program's own folder first: a KVWIN32.dll
  # beside kvnshow.exe would shadow the vendor's at a site. So the site
  # package (component site) holds none; the stand-in ships in a package of
  # its own (component demo), with its own copy of the program. Each is one
  # flat folder, with the site's README (docs/site.md, not the developer's)
  # and the manual page as text with CR LF line ends.
  find_program(KVN_GROFF groff REQUIRED)
  set(kvn_windows_docs)
  # Makes windows_docs/<name> from the source file input; further arguments
  # go to cmake/windows_text.cmake.
  function(kvn_windows_text input name)
    set(output ${CMAKE_BINARY_DIR}/windows_docs/${name})
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -DINPUT=${PROJECT_SOURCE_DIR}/${input} -DOUTPUT=${output} ${ARGN}
              -P ${PROJECT_SOURCE_DIR}/cmake/windows_text.cmake
      DEPENDS ${PROJECT_SOURCE_DIR}/${input} ${PROJECT_SOURCE_DIR}/cmake/windows_text.cmake
      VERBATIM)
    set(kvn_windows_docs ${kvn_windows_docs} ${output} PARENT_SCOPE)
  endfunction()
  kvn_windows_text(docs/site.md README.txt)
  kvn_windows_text(docs/kvnshow.1 kvnshow.txt -DGROFF=${KVN_GROFF})
  add_custom_target(kvnshow_windows_docs ALL DEPENDS ${kvn_windows_docs})
  # kvnshow-1.0-win32 or -win64: the architecture of the site's KVWIN32.dll
  # decides which one serves. Each package is a folder of its own name, so
  # that the demo never unpacks into the site's folder.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(CPACK_SYSTEM_NAME win32)
  else()
    set(CPACK_SYSTEM_NAME win64)
  endif()
  set(kvn_site_package kvnshow-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME})
  set(kvn_demo_package ${kvn_site_package}-demo)
  set(kvn_packages site)
  install(TARGETS kvnshow RUNTIME DESTINATION ${kvn_site_package} COMPONENT site)
  install(FILES ${kvn_windows_docs} DESTINATION ${kvn_site_package} COMPONENT site)
  if(TARGET KVWIN32)
    list(APPEND kvn_packages demo)
    install(TARGETS kvnshow RUNTIME DESTINATION ${kvn_demo_package} COMPONENT demo)
    install(TARGETS KVWIN32 RUNTIME DESTINATION ${kvn_demo_package} COMPONENT demo
            ARCHIVE EXCLUDE_FROM_ALL)
    install(FILES ${kvn_windows_docs} DESTINATION ${kvn_demo_package} COMPONENT demo)
  endif()
else()
  # The installed kvnshow finds the library relative to itself, wherever the
  # tree is installed. It is linked apart, with that runtime path from the
  # start, so that nothing is written over: CMake would otherwise pad the
  # build tree's kvnshow's runtime path with empty entries, room for the
  # installed one, and the loader reads an empty entry as the current folder.
  file(RELATIVE_PATH kvn_bin_to_lib /${CMAKE_INSTALL_BINDIR} /${KVN_INSTALL_PRIVATE_LIBDIR})
  add_executable(kvnshow_installed)
  target_link_libraries(kvnshow_installed PRIVATE kvnshowmain)
  set_target_properties(kvnshow_installed PROPERTIES
    OUTPUT_NAME kvnshow
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/installed
    BUILD_WITH_INSTALL_RPATH ON
    INSTALL_RPATH "$ORIGIN/${kvn_bin_to_lib}")
  install(TARGETS kvnshow_installed RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # The stand-in library goes in KVN_INSTALL_PRIVATE_LIBDIR. A shared library
  # is not a program: 0644.
  if(TARGET KVWIN32)
    install(TARGETS KVWIN32
      LIBRARY DESTINATION ${KVN_INSTALL_PRIVATE_LIBDIR}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
      ARCHIVE EXCLUDE_FROM_ALL)
  endif()

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
endif()

set(CPACK_PACKAGE_NAME kvnshow)
set(CPACK_PACKAGE_VENDOR "kvnshow developers")
set(CPACK_PACKAGE_CONTACT "kvnshow developers <kvnshow@kvnshow.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "List the faxes of one user on a Kavrin fax server")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)  # the debug information stays in the build
# Times from the last commit, a fixed form for each zip, and SHA256SUMS.
set(CPACK_KVN_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/cpack_project.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/cpack_post_build.cmake)
if(WIN32)
  find_program(KVN_ZIP zip REQUIRED)
  set(CPACK_KVN_ZIP ${KVN_ZIP})
endif()
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_ALL ${kvn_packages})
  set(CPACK_ARCHIVE_SITE_FILE_NAME ${kvn_site_package})
  set(CPACK_ARCHIVE_DEMO_FILE_NAME ${kvn_demo_package})
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
