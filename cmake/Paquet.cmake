# What an installation holds beyond the programs, and the Debian package
# made from it (./scripts/package): the desktop entry, the icons, the
# AppStream metainfo and the manual pages.

set(TOLVAN_TAILLES_ICONES 48 64 128 256)
set(TOLVAN_DOSSIER_ICONES ${CMAKE_BINARY_DIR}/icones)
add_executable(tolvan-icones ${PROJECT_SOURCE_DIR}/tools/icones/main.cpp)
target_link_libraries(tolvan-icones PRIVATE tolvan_shell)
set(TOLVAN_ICONES)
foreach(taille IN LISTS TOLVAN_TAILLES_ICONES)
  list(APPEND TOLVAN_ICONES ${TOLVAN_DOSSIER_ICONES}/${taille}x${taille}/apps/tolvan.png)
endforeach()
add_custom_command(
  OUTPUT ${TOLVAN_ICONES}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:tolvan-icones> ${TOLVAN_DOSSIER_ICONES}
          ${TOLVAN_TAILLES_ICONES}
  DEPENDS tolvan-icones
  COMMENT "Drawing the game's icons"
  VERBATIM)

set(TOLVAN_PAGES_MAN tolvan tolvan-solve tolvan-stats)
set(TOLVAN_MAN_GZ)
foreach(page IN LISTS TOLVAN_PAGES_MAN)
  set(gz ${CMAKE_BINARY_DIR}/man/${page}.6.gz)
  add_custom_command(
    OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND sh -c "gzip -9n -c '${PROJECT_SOURCE_DIR}/data/man/${page}.6' > '${gz}'"
    DEPENDS ${PROJECT_SOURCE_DIR}/data/man/${page}.6
    VERBATIM)
  list(APPEND TOLVAN_MAN_GZ ${gz})
endforeach()
add_custom_target(tolvan-bureau ALL DEPENDS ${TOLVAN_ICONES} ${TOLVAN_MAN_GZ})

install(FILES ${PROJECT_SOURCE_DIR}/data/tolvan.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/tolvan.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${TOLVAN_DOSSIER_ICONES}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${PROJECT_SOURCE_DIR}/data/org.example.tolvan.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TOLVAN_MAN_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Tolvan)
set(CPACK_PACKAGE_CONTACT "Tolvan <tolvan@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "French numbers game and exhaustive solver")
set(CPACK_PACKAGE_DESCRIPTION
    "Six numbers, a target and the four operations: Tolvan plays the French numbers game, le compte est bon, in French, timed on a blackboard or in scored competitions, and finds every solution of a draw, the simplest and the most twisted.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/tolvan")
# The libraries the programs link to are read off the binaries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt SQL loads its SQLite driver at run time: no binary links to it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libreoffice-calc")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)

# The package is made and its contents checked with the other tests.
add_test(NAME paquet_debian COMMAND ${PROJECT_SOURCE_DIR}/scripts/verifie-paquet ${CMAKE_BINARY_DIR})
set_tests_properties(paquet_debian PROPERTIES TIMEOUT 300 LABELS paquet)
