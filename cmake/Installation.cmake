# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and the Debian package.
#
# `cmake --install` puts the program, its menu entry, its icon, its
# AppStream metadata, its manual page, the copyright file and the changelog
# below the prefix, and the browser edition when the tree builds it;
# `cpack` (in a configured build directory) packs the same files into
# kettenbrief_<version>+deb<release>_<arch>.deb for installing with apt-get
# on that Debian release.

include(GNUInstallDirs)

# The AppStream id (the name of the metainfo file in resources/) and the
# homepage, which the metainfo file names too. Both are under example.org
# until the project has a domain of its own.
set(KETTENBRIEF_APPSTREAM_ID org.example.kettenbrief)
set(KETTENBRIEF_HOMEPAGE "https://kettenbrief.example.org/")
# Debian wants the documentation under the package's name, whatever the
# project is called.
set(kettenbrief_docdir ${CMAKE_INSTALL_DATADIR}/doc/kettenbrief)
# Directories that install creates get 0755 whatever the umask of the
# machine that packs: lintian rejects group-writable ones.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The changelog and the manual page go out compressed as Debian wants them:
# gzip -9 for the smallest file, -n so that no name or time stamp makes two
# builds of the same text differ.
find_program(KETTENBRIEF_GZIP gzip REQUIRED)
set(kettenbrief_paketdir ${CMAKE_BINARY_DIR}/paket)
function(kettenbrief_gzip quelle name)
    set(kopie ${kettenbrief_paketdir}/${name})
    add_custom_command(OUTPUT ${kopie}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${quelle} ${kopie}
        COMMAND ${KETTENBRIEF_GZIP} -9nf ${kopie}
        DEPENDS ${quelle}
        COMMENT "Compressing ${name}"
        VERBATIM)
endfunction()
# The Debian release the package is built for, from the building system's
# os-release: Debian 13 renamed Qt's libraries in its 64-bit time move
# (libqt6core6t64), so a package fits only the release it was built on.
# Its version says which (1.0+deb12, 1.0+deb13), and so does the newest
# changelog entry. On any other system the version stays the project's.
function(kettenbrief_debian_release release_var suite_var)
    set(release "")
    set(suite "")
    if(EXISTS /etc/os-release)
        file(STRINGS /etc/os-release zeilen REGEX "^(ID|VERSION_ID)=")
        if("ID=debian" IN_LIST zeilen AND "VERSION_ID=\"12\"" IN_LIST zeilen)
            set(release 12)
            set(suite bookworm)
        elseif("ID=debian" IN_LIST zeilen AND "VERSION_ID=\"13\"" IN_LIST zeilen)
            set(release 13)
            set(suite trixie)
        endif()
    endif()
    set(${release_var} "${release}" PARENT_SCOPE)
    set(${suite_var} "${suite}" PARENT_SCOPE)
endfunction()
kettenbrief_debian_release(KETTENBRIEF_DEBIAN_RELEASE KETTENBRIEF_DEBIAN_SUITE)
if(KETTENBRIEF_DEBIAN_RELEASE)
    set(KETTENBRIEF_PAKETVERSION "${PROJECT_VERSION}+deb${KETTENBRIEF_DEBIAN_RELEASE}")
else()
    set(KETTENBRIEF_PAKETVERSION "${PROJECT_VERSION}")
    set(KETTENBRIEF_DEBIAN_SUITE unstable)
endif()
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog ${kettenbrief_paketdir}/changelog.quelle @ONLY)
kettenbrief_gzip(${kettenbrief_paketdir}/changelog.quelle changelog)

# AppStream 1.0 (Debian 13) names the developer in <developer>, which the
# appstreamcli of Debian 12 (0.16) does not know; each release gets the
# form its own tools and software centres read.
if(KETTENBRIEF_DEBIAN_RELEASE STREQUAL "12")
    set(KETTENBRIEF_APPSTREAM_DEVELOPER "<developer_name>Kettenbrief</developer_name>")
else()
    set(KETTENBRIEF_APPSTREAM_DEVELOPER
        "<developer id=\"org.example\">\n    <name>Kettenbrief</name>\n  </developer>")
endif()
set(kettenbrief_metainfo ${kettenbrief_paketdir}/${KETTENBRIEF_APPSTREAM_ID}.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/resources/${KETTENBRIEF_APPSTREAM_ID}.metainfo.xml
    ${kettenbrief_metainfo} @ONLY)
kettenbrief_gzip(${PROJECT_SOURCE_DIR}/docs/kettenbrief.6 kettenbrief.6)
add_custom_target(kettenbrief_paketdateien ALL
    DEPENDS ${kettenbrief_paketdir}/changelog.gz ${kettenbrief_paketdir}/kettenbrief.6.gz)

install(TARGETS kettenbrief RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The compiler's version strings in .comment are of no use to the installed
# program (lintian: binary-has-unneeded-section). They go after the install
# step and its strip; the program in the build tree keeps them.
if(CMAKE_OBJCOPY)
    install(CODE "set(kettenbrief_objcopy \"${CMAKE_OBJCOPY}\")
        set(kettenbrief_programm \"${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:kettenbrief>\")")
    install(CODE [[
        if(NOT IS_ABSOLUTE "${kettenbrief_programm}")
            set(kettenbrief_programm "${CMAKE_INSTALL_PREFIX}/${kettenbrief_programm}")
        endif()
        execute_process(
            COMMAND "${kettenbrief_objcopy}" --remove-section=.comment
                "$ENV{DESTDIR}${kettenbrief_programm}"
            RESULT_VARIABLE kettenbrief_ergebnis)
        if(NOT kettenbrief_ergebnis EQUAL 0)
            message(FATAL_ERROR "objcopy could not remove .comment from ${kettenbrief_programm}")
        endif()
    ]])
endif()
install(FILES ${PROJECT_SOURCE_DIR}/resources/kettenbrief.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/kettenbrief.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${kettenbrief_metainfo}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${kettenbrief_paketdir}/kettenbrief.6.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${kettenbrief_paketdir}/changelog.gz
    DESTINATION ${kettenbrief_docdir})
# The browser edition, where this tree builds it (web/CMakeLists.txt): one
# file that an administrator copies to the school's web server or a teacher
# to a USB stick; it needs nothing else from the package.
# lintian takes any .html outside /usr/share/doc for documentation; its
# override says why this one is not.
if(KETTENBRIEF_WEB_GEBAUT)
    install(FILES ${CMAKE_BINARY_DIR}/web/kettenbrief.html
        DESTINATION ${CMAKE_INSTALL_DATADIR}/kettenbrief)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME kettenbrief)
endif()

# Trees configured with the earlier default keep it in their cache; that
# address on localhost is one no package may carry.
if(KETTENBRIEF_MAINTAINER STREQUAL "Kettenbrief-Entwicklung <kettenbrief@localhost>")
    unset(KETTENBRIEF_MAINTAINER CACHE)
endif()
# example.org is reserved for examples: the default reaches nobody, so a
# build for real machines sets its own (-DKETTENBRIEF_MAINTAINER=...).
set(KETTENBRIEF_MAINTAINER "Kettenbrief <kettenbrief@example.org>"
    CACHE STRING "Maintainer field of the Debian package (Name <E-Mail>)")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kettenbrief)
set(CPACK_PACKAGE_VENDOR "Kettenbrief")
set(CPACK_PACKAGE_VERSION ${KETTENBRIEF_PAKETVERSION})
# The first line must not start with the package's name (Debian's rule for
# package lists, where the name already stands in front of it).
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Monte-Carlo-Spiel eines Kettenbriefs für den Unterricht")
# One line of the package description per line here (dpkg wants them short).
set(CPACK_PACKAGE_DESCRIPTION
    "Auf einem Feld von 50 x 50 Personen spielen anfangs zehn mit; in jedem
Zyklus versucht jeder Spieler, zufällig gewählte andere anzuwerben. Das
Spiel lässt sich wiederholen, denn der Zufallsgenerator beginnt immer mit
demselben Startwert. Das Balkendiagramm der Spielerzahlen wird mit dem
logistischen Wachstum nach Verhulst verglichen, verallgemeinert durch
einen Exponenten t. Das Programm ist deutschsprachig, liest keine Dateien,
schreibt nur auf Wunsch ein Arbeitsblatt, das Diagramm oder die Tabelle
und behält nichts von einem Start zum nächsten.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_PACKAGE_NAME kettenbrief)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KETTENBRIEF_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KETTENBRIEF_HOMEPAGE}")
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
# Debian 13 still provides the old name libqt6core6, so the libraries alone
# would let a package for Debian 12 onto Debian 13. base-files carries the
# release in its version (12.4+deb12u9, 13.8+deb13u2): the package asks for
# the release it was built on and apt refuses it anywhere else.
if(KETTENBRIEF_DEBIAN_RELEASE)
    math(EXPR kettenbrief_naechste_release "${KETTENBRIEF_DEBIAN_RELEASE} + 1")
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
        ", base-files (>= ${KETTENBRIEF_DEBIAN_RELEASE}), base-files (<< ${kettenbrief_naechste_release})")
endif()

include(CPack)
