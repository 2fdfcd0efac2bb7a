# Installation and the Debian package.
#
# `cmake --install` puts the program, its menu entry and its icon below the
# prefix; `cpack` (in a configured build directory) packs the same files into
# kettenbrief_<version>_<arch>.deb for installing with apt-get.

include(GNUInstallDirs)

install(TARGETS kettenbrief RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/kettenbrief.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/kettenbrief.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(KETTENBRIEF_MAINTAINER "Kettenbrief-Entwicklung <kettenbrief@localhost>"
    CACHE STRING "Maintainer field of the Debian package (Name <E-Mail>)")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kettenbrief)
set(CPACK_PACKAGE_VENDOR "Kettenbrief")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Kettenbrief als Monte-Carlo-Spiel für den Unterricht")
# One line of the package description per line here (dpkg wants them short).
set(CPACK_PACKAGE_DESCRIPTION
    "Auf einem Feld von 50 x 50 Personen spielen anfangs zehn mit; in jedem
Zyklus versucht jeder Spieler, zufällig gewählte andere anzuwerben. Das
Histogramm der Spielerzahlen wird mit dem logistischen Wachstum nach
Verhulst verglichen.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_PACKAGE_NAME kettenbrief)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KETTENBRIEF_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries the program links against are found by dpkg-shlibdeps.
# What is only loaded at run time has to be named here: platform plugins,
# the German Qt texts and the fonts the controls ask for. The SVG image and
# icon plugins come with libqt6svg6 on Debian 12, which shlibdeps already
# lists because the program links Qt Svg.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation")

include(CPack)
