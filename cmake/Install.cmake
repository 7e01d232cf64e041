# What `cmake --install` puts in place, and the Debian package `cpack -G DEB` builds of it.
include(GNUInstallDirs)

install(TARGETS kvfcheck RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Manual pages are installed compressed.
find_program(GZIP_PROGRAM gzip)
if(GZIP_PROGRAM)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/kvfcheck.1.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/resources/man/kvfcheck.1
            ${PROJECT_BINARY_DIR}/kvfcheck.1
    COMMAND ${GZIP_PROGRAM} -9 -n -f ${PROJECT_BINARY_DIR}/kvfcheck.1
    DEPENDS ${PROJECT_SOURCE_DIR}/resources/man/kvfcheck.1 VERBATIM)
  add_custom_target(kvfcheck-man ALL DEPENDS ${PROJECT_BINARY_DIR}/kvfcheck.1.gz)
  install(FILES ${PROJECT_BINARY_DIR}/kvfcheck.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  install(FILES resources/man/kvfcheck.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
if(TARGET kvf-editor)
  install(TARGETS kvf-editor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# The editor's templates, where they exist (its help pages are built into it).
if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/resources/templates)
  install(DIRECTORY resources/templates/ DESTINATION ${CMAKE_INSTALL_DATADIR}/kvf-editor/templates)
endif()
# The desktop entry starts the editor only where it is installed (TryExec).
install(FILES resources/kvf-editor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/icons/kvf-editor.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES resources/mime/kvf-editor.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

set(CPACK_PACKAGE_NAME "kvf-editor")
set(CPACK_PACKAGE_VENDOR "KVF Editor team")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor and checker for KVF device-description files")
set(CPACK_PACKAGE_DESCRIPTION
    "kvfcheck checks KVF files of the TALVERON fieldbus from the command line and in CI \
pipelines (text, gcc, JSON and SARIF output); the KVF Editor edits them.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "KVF Editor team <kvf-editor@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION "devel")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES TRUE)
# Depends from the libraries the programs link (none but the C and C++ runtimes for kvfcheck).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_GENERATOR "DEB")
include(CPack)
