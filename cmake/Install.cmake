# What `cmake --install` puts in place, and the Debian package `cpack -G DEB` builds of it.
include(GNUInstallDirs)

# Who answers for the package, and where the project lives: packagers set their own.
set(KVF_MAINTAINER "KVF Editor developers <kvf-editor@dorrim.example>"
    CACHE STRING "Maintainer of the package: name <mail address>")
set(KVF_HOMEPAGE "https://dorrim.example/kvf-editor"
    CACHE STRING "The project's web address (the screenshots lie below it, in screenshots/)")
# The editor's AppStream id: the web address's domain reversed.
set(KVF_APPSTREAM_ID "example.dorrim.KvfEditor")
set(KVF_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/kvf-editor)

# The date of this version's release, from its section of CHANGELOG.md.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
file(STRINGS ${PROJECT_SOURCE_DIR}/CHANGELOG.md KVF_RELEASE_LINE
     REGEX "^## \\[${PROJECT_VERSION}\\] - [0-9-]+$")
if(NOT KVF_RELEASE_LINE MATCHES "([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])$")
  message(FATAL_ERROR "CHANGELOG.md has no section '## [${PROJECT_VERSION}] - YYYY-MM-DD' "
                      "for the version being built")
endif()
set(KVF_RELEASE_DATE ${CMAKE_MATCH_1})

install(TARGETS kvfcheck kvf-lsp RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Manual pages and the package's changelog are installed compressed, without a timestamp.
find_program(GZIP_PROGRAM gzip)
function(kvf_install_compressed source generated destination)
  get_filename_component(name ${generated} NAME)
  get_filename_component(folder ${generated} DIRECTORY)
  if(GZIP_PROGRAM)
    add_custom_command(OUTPUT ${generated}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      COMMAND ${CMAKE_COMMAND} -E copy ${source} ${generated}
      COMMAND ${GZIP_PROGRAM} -9 -n -f ${generated}
      DEPENDS ${source} VERBATIM)
    add_custom_target(kvf-compress-${name} ALL DEPENDS ${generated}.gz)
    install(FILES ${generated}.gz DESTINATION ${destination})
  else()
    install(FILES ${source} DESTINATION ${destination} RENAME ${name})
  endif()
endfunction()
kvf_install_compressed(${PROJECT_SOURCE_DIR}/resources/man/kvfcheck.1
                       ${PROJECT_BINARY_DIR}/kvfcheck.1 ${CMAKE_INSTALL_MANDIR}/man1)
kvf_install_compressed(${PROJECT_SOURCE_DIR}/resources/man/kvf-lsp.1
                       ${PROJECT_BINARY_DIR}/kvf-lsp.1 ${CMAKE_INSTALL_MANDIR}/man1)

# The package's changelog, made from CHANGELOG.md (cmake/DebianChangelog.cmake).
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/debian/changelog
  COMMAND ${CMAKE_COMMAND} -DCHANGELOG=${PROJECT_SOURCE_DIR}/CHANGELOG.md
          -DOUTPUT=${PROJECT_BINARY_DIR}/debian/changelog -DPACKAGE=kvf-editor
          -DVERSION=${PROJECT_VERSION} -DMAINTAINER=${KVF_MAINTAINER}
          -P ${PROJECT_SOURCE_DIR}/cmake/DebianChangelog.cmake
  DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${PROJECT_SOURCE_DIR}/cmake/DebianChangelog.cmake
  VERBATIM)
kvf_install_compressed(${PROJECT_BINARY_DIR}/debian/changelog
                       ${PROJECT_BINARY_DIR}/debian/package/changelog ${KVF_DOC_DIR})

# The licence and the third-party notices, in Debian's machine-readable copyright format:
# LICENSE's text as the Expat licence paragraph (a line of its own per paragraph, empty
# lines as " .").
file(READ ${PROJECT_SOURCE_DIR}/LICENSE KVF_LICENSE_TEXT)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
string(REGEX REPLACE "^MIT License\n\n(Copyright[^\n]*\n\n)?" "" KVF_LICENSE_TEXT "${KVF_LICENSE_TEXT}")
string(STRIP "${KVF_LICENSE_TEXT}" KVF_LICENSE_TEXT)
string(REPLACE "\n\n" "\n.\n" KVF_LICENSE_TEXT "${KVF_LICENSE_TEXT}")
string(REPLACE "\n" "\n " KVF_LICENSE_TEXT " ${KVF_LICENSE_TEXT}")
configure_file(resources/debian/copyright.in ${PROJECT_BINARY_DIR}/debian/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/debian/copyright DESTINATION ${KVF_DOC_DIR})

# The editor and what belongs to it: only where it is built, so that a package without it
# (-DKVF_BUILD_EDITOR=OFF) names no program it lacks.
if(TARGET kvf-editor)
  install(TARGETS kvf-editor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  kvf_install_compressed(${PROJECT_SOURCE_DIR}/resources/man/kvf-editor.1
                         ${PROJECT_BINARY_DIR}/kvf-editor.1 ${CMAKE_INSTALL_MANDIR}/man1)
  # Its templates (its help pages are built into it).
  install(DIRECTORY resources/templates/ DESTINATION ${CMAKE_INSTALL_DATADIR}/kvf-editor/templates)
  # The desktop entry starts the editor only where it is installed (TryExec).
  install(FILES resources/kvf-editor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES resources/icons/kvf-editor.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES resources/mime/kvf-editor.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  configure_file(resources/kvf-editor.metainfo.xml.in
                 ${PROJECT_BINARY_DIR}/${KVF_APPSTREAM_ID}.metainfo.xml @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/${KVF_APPSTREAM_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

set(CPACK_PACKAGE_NAME "kvf-editor")
set(CPACK_PACKAGE_VENDOR "KVF Editor developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor and checker for KVF device-description files")
# The long description below the summary, wrapped (no double quotes: CPack loses them).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "KVF files are the plain-text device-description files of the TALVERON
fieldbus: a device manufacturer states in them, line by line as
'Keyword = Value', what a field device supports.

kvf-editor edits them with syntax highlighting, a keyword tree and an input
view for each entry's value, and checks them (syntax and semantics) with the
findings listed beside the text. kvfcheck runs the same check from the
command line and in CI pipelines, with text, gcc, JSON and SARIF output.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${KVF_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KVF_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SECTION "devel")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES TRUE)
# Depends from the libraries the programs link (none but the C and C++ runtimes for kvfcheck).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_GENERATOR "DEB")
include(CPack)
