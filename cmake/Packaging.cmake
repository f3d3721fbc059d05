# Installation and the Debian package of the desktop program.
#
#   bin/tarvel, bin/tarvel-cli
#   share/tarvel/tarvel_<code>.qm, share/tarvel/help/<code>/html/*.htm
#   share/applications/org.example.Tarvel.desktop
#   share/metainfo/org.example.Tarvel.metainfo.xml
#   share/icons/hicolor/{scalable,<n>x<n>}/apps/tarvel.{svg,png}
#
# The program looks for its translation modules and help books beside the
# executable and in ../share/tarvel, so the installed tree works from any prefix.
include(GNUInstallDirs)

set(TARVEL_APP_ID org.example.Tarvel)
set(TARVEL_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/tarvel)

install(TARGETS tarvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TARVEL_QM_FILES} DESTINATION ${TARVEL_DATA_DESTINATION})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/ DESTINATION ${TARVEL_DATA_DESTINATION}/help)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/${TARVEL_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${PROJECT_SOURCE_DIR}/packaging/${TARVEL_APP_ID}.metainfo.xml.in
  ${PROJECT_BINARY_DIR}/packaging/${TARVEL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${TARVEL_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/tarvel.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/hicolor/${size}x${size}/apps/tarvel.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The Debian package: `cpack -G DEB` in the build folder.
set(CPACK_PACKAGE_NAME tarvel)
set(CPACK_PACKAGE_VENDOR "Dovel Marsk")
set(CPACK_PACKAGE_CONTACT "Dovel Marsk <tarvel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
  "Tarvel computes the position of the Sun for one observer and instant: time measures, coordinates, sunrise, transit and sunset, Islamic prayer times and the Qibla, and ephemeris tables. Includes the command-line tool tarvel-cli.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${TARVEL_MAKER_WEB_ADDRESS}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations of the standard dialogs, and one of the monospaced
# families the table window falls back to when the desktop's fixed-pitch font
# does not give every character the same width (its columns would not line up).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "qt6-translations-l10n, fonts-dejavu-core | fonts-noto-mono | fonts-liberation2 | fonts-liberation")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)

# The package check: desktop-file-validate, appstreamcli, cpack and dpkg-deb.
if(TARVEL_BUILD_TESTS)
  add_test(NAME packaging.deb
    COMMAND ${PROJECT_SOURCE_DIR}/packaging/check_package.sh ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
  set_tests_properties(packaging.deb PROPERTIES TIMEOUT 600 RUN_SERIAL ON)
endif()
