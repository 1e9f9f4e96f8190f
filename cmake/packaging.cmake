# CPack: a .deb of the programs and their manual pages for Linux, a .zip of
# the .exe files, the README and the pages as text for Windows.
set(CPACK_PACKAGE_NAME qeld-tools)
set(CPACK_PACKAGE_VENDOR "QELD upgrade")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "QELD upgrade tools for Tessaroth: settings editor (cfgedit) and map reset (mapreset)")
set(CPACK_PACKAGE_CONTACT "QELD upgrade maintainers")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME windows-x86_64)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION .)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= 2.34), libgcc-s1 (>= 3.0), libstdc++6 (>= 12)")
endif()

include(CPack)
