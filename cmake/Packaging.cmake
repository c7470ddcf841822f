# Installation in the usual places and the packages made from it: a .deb on
# Linux, a .zip of kvnshow.exe and KVWIN32.dll from the windows preset.
install(TARGETS kvnshow RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET KVWIN32 AND NOT KVN_VENDOR_LIBRARY)
  # On Windows the DLL is a runtime file and goes beside kvnshow.exe, where
  # the loader looks first.
  install(TARGETS KVWIN32
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE EXCLUDE_FROM_ALL)
endif()
install(FILES docs/kvnshow.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(NOT WIN32)
  # The installed kvnshow finds the library relative to itself, wherever the
  # tree is installed.
  file(RELATIVE_PATH kvn_bin_to_lib /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_LIBDIR})
  set_target_properties(kvnshow PROPERTIES INSTALL_RPATH "$ORIGIN/${kvn_bin_to_lib}")
endif()

set(CPACK_PACKAGE_NAME kvnshow)
set(CPACK_PACKAGE_VENDOR "kvnshow developers")
set(CPACK_PACKAGE_CONTACT "kvnshow developers <kvnshow@localhost>")
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
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  # What the program and the stand-in library link besides each other.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libgcc-s1")
endif()
include(CPack)
