# Installation and the Debian package of the desktop program.
#
#   bin/tarvel, bin/tarvel-cli
#   share/tarvel/tarvel_<code>.qm, share/tarvel/help/<code>/html/*.htm
#   share/tarvel/tarvel_places.idx (the places' gazetteer)
#   share/applications/<app id>.desktop, share/metainfo/<app id>.metainfo.xml
#   share/icons/hicolor/{scalable,<n>x<n>}/apps/tarvel.{svg,png}
#   share/man/man1/tarvel.1.gz, share/man/man1/tarvel-cli.1.gz
#   share/bash-completion/completions/tarvel-cli, share/zsh/vendor-completions/_tarvel-cli
#   share/doc/tarvel/copyright, share/doc/tarvel/changelog.Debian.gz
#
# The program looks for its translation modules and help books beside the
# executable and in ../share/tarvel, so the installed tree works from any prefix.
include(GNUInstallDirs)

set(TARVEL_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/tarvel)
set(TARVEL_PACKAGING_DIR ${PROJECT_BINARY_DIR}/packaging)

install(TARGETS tarvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TARVEL_QM_FILES} DESTINATION ${TARVEL_DATA_DESTINATION})
install(FILES ${TARVEL_CLI_QM_FILES} DESTINATION ${TARVEL_DATA_DESTINATION})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/ DESTINATION ${TARVEL_DATA_DESTINATION}/help)
install(FILES ${TARVEL_PLACES_INDEX} DESTINATION ${TARVEL_DATA_DESTINATION})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/${TARVEL_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${PROJECT_SOURCE_DIR}/packaging/${TARVEL_APP_ID}.metainfo.xml.in
  ${TARVEL_PACKAGING_DIR}/${TARVEL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${TARVEL_PACKAGING_DIR}/${TARVEL_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/tarvel.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/hicolor/${size}x${size}/apps/tarvel.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The package's version: the project's, and the packaging's own revision.
set(TARVEL_DEB_RELEASE 1)
set(TARVEL_DEB_VERSION ${PROJECT_VERSION}-${TARVEL_DEB_RELEASE})

# The copyright record (machine-readable) and the package's change log,
# compressed without a time stamp so that rebuilds give the same bytes.
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.Debian.in
  ${TARVEL_PACKAGING_DIR}/changelog.Debian @ONLY)
add_custom_command(OUTPUT ${TARVEL_PACKAGING_DIR}/changelog.Debian.gz
  COMMAND sh -c "gzip -9n < changelog.Debian > changelog.Debian.gz"
  DEPENDS ${TARVEL_PACKAGING_DIR}/changelog.Debian
  WORKING_DIRECTORY ${TARVEL_PACKAGING_DIR}
  VERBATIM)
set(TARVEL_PACKAGING_OUTPUTS ${TARVEL_PACKAGING_DIR}/changelog.Debian.gz)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${TARVEL_PACKAGING_DIR}/changelog.Debian.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarvel)

# The manual pages, written by help2man from the built programs' own help (so
# they never drift from it); tarvel-cli's page adds every subcommand's help.
find_program(TARVEL_HELP2MAN help2man)
if(TARVEL_HELP2MAN)
  set(man_dir ${TARVEL_PACKAGING_DIR}/man)
  add_custom_command(OUTPUT ${man_dir}/tarvel.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${man_dir}
    COMMAND ${CMAKE_COMMAND} -E env "PATH=$<TARGET_FILE_DIR:tarvel>:/usr/bin:/bin"
      ${TARVEL_HELP2MAN} --no-info --section=1 --locale=en_US.UTF-8
      "--name=solar ephemeris calculator for one observer"
      --output=${man_dir}/tarvel.1 tarvel
    COMMAND gzip -9nf ${man_dir}/tarvel.1
    DEPENDS tarvel
    COMMENT "Writing the manual page of tarvel"
    VERBATIM)
  add_custom_command(OUTPUT ${man_dir}/tarvel-cli.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${man_dir}
    COMMAND ${PROJECT_SOURCE_DIR}/packaging/cli_man_include.sh $<TARGET_FILE:tarvel-cli>
      ${man_dir}/tarvel-cli.h2m
    COMMAND ${CMAKE_COMMAND} -E env "PATH=$<TARGET_FILE_DIR:tarvel-cli>:/usr/bin:/bin"
      ${TARVEL_HELP2MAN} --no-info --section=1 --locale=C.UTF-8
      "--name=solar ephemeris, tables and charts on the command line"
      --include=${man_dir}/tarvel-cli.h2m
      --output=${man_dir}/tarvel-cli.1 tarvel-cli
    COMMAND gzip -9nf ${man_dir}/tarvel-cli.1
    DEPENDS tarvel-cli ${PROJECT_SOURCE_DIR}/packaging/cli_man_include.sh
    COMMENT "Writing the manual page of tarvel-cli"
    VERBATIM)
  list(APPEND TARVEL_PACKAGING_OUTPUTS ${man_dir}/tarvel.1.gz ${man_dir}/tarvel-cli.1.gz)
  install(FILES ${man_dir}/tarvel.1.gz ${man_dir}/tarvel-cli.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(WARNING "help2man not found (scripts/setup.sh installs it): no manual pages")
endif()

# Shell completion of tarvel-cli: its subcommands, options and the values of
# the options whose help lists them, read from the built program's help.
set(completion_dir ${TARVEL_PACKAGING_DIR}/completion)
add_custom_command(OUTPUT ${completion_dir}/tarvel-cli ${completion_dir}/_tarvel-cli
  COMMAND ${CMAKE_COMMAND} -E make_directory ${completion_dir}
  COMMAND ${PROJECT_SOURCE_DIR}/packaging/cli_completion.sh $<TARGET_FILE:tarvel-cli>
    ${completion_dir}/tarvel-cli ${completion_dir}/_tarvel-cli
  DEPENDS tarvel-cli ${PROJECT_SOURCE_DIR}/packaging/cli_completion.sh
  COMMENT "Writing the shell completion of tarvel-cli"
  VERBATIM)
list(APPEND TARVEL_PACKAGING_OUTPUTS ${completion_dir}/tarvel-cli ${completion_dir}/_tarvel-cli)
install(FILES ${completion_dir}/tarvel-cli DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${completion_dir}/_tarvel-cli DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)

add_custom_target(tarvel_packaging_files ALL DEPENDS ${TARVEL_PACKAGING_OUTPUTS})

# The Debian package: `cpack -G DEB` in the build folder. The executables are
# stripped (the debugging information stays in the build folder).
set(CPACK_PACKAGE_NAME tarvel)
set(CPACK_PACKAGE_VENDOR "Dovel Marsk")
set(CPACK_PACKAGE_CONTACT "Dovel Marsk <tarvel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "solar ephemeris calculator for one observer")
set(CPACK_PACKAGE_DESCRIPTION
  "Tarvel computes the position of the Sun for one observer and instant: time
measures, coordinates, sunrise, transit and sunset, Islamic prayer times and
the Qibla, and ephemeris tables. Includes the command-line tool tarvel-cli.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${TARVEL_MAKER_WEB_ADDRESS}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TARVEL_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Qt's own translations of the standard dialogs, and one of the monospaced
# families the table window falls back to when the desktop's fixed-pitch font
# does not give every character the same width (its columns would not line up).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "qt6-translations-l10n, fonts-dejavu-core | fonts-noto-mono | fonts-liberation2 | fonts-liberation")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)

# The package check: desktop-file-validate, appstreamcli, cpack, dpkg-deb,
# lintian, the manual pages, the completion and the programs' own help.
if(TARVEL_BUILD_TESTS)
  # The size limit holds for the optimised build that ships, not for the
  # sanitizers' instrumented executables.
  if(TARVEL_SANITIZE)
    set(max_installed_kib 0)
  else()
    # The programs, translations and help took under 3 MiB; the places'
    # gazetteer (135,233 places with their alternate names, about 6.1 MiB,
    # read memory-mapped so that a lookup needs no parsing) adds the rest.
    set(max_installed_kib 10240)
  endif()
  add_test(NAME packaging.deb
    COMMAND ${PROJECT_SOURCE_DIR}/packaging/check_package.sh ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}
      ${TARVEL_APP_ID} ${max_installed_kib})
  set_tests_properties(packaging.deb PROPERTIES TIMEOUT 600 RUN_SERIAL ON)
endif()
