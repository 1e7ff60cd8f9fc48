# What `cmake --install` puts where, and the Debian package made from it (cpack -G DEB, or
# scripts/package.sh). The program looks for templ.ate in the working folder, then beside
# itself, then in ../share/vantorel from its own folder, so the installed layout needs no
# configuration: a desktop menu start (working folder = home) finds the installed template.
include(GNUInstallDirs)

set(VANTOREL_APP_ID org.example.Vantorel)
set(VANTOREL_ICON_SIZES 16 22 24 32 48 64 128 256)

# Qt comes from the system: the installed program needs no run-time search path of its own.
set_target_properties(vantorel PROPERTIES INSTALL_RPATH "")
install(TARGETS vantorel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/templ.ate DESTINATION ${CMAKE_INSTALL_DATADIR}/vantorel)
include(cmake/InstallPlaces.cmake)
vantorel_install_gzipped(${PROJECT_SOURCE_DIR}/resources/man/vantorel.1 vantorel.1.gz ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vantorel)
vantorel_install_gzipped(${PROJECT_SOURCE_DIR}/resources/debian/changelog changelog.gz
                         ${CMAKE_INSTALL_DATADIR}/doc/vantorel)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${VANTOREL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${VANTOREL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The type of files named euro.cfg, which the desktop entry opens; dpkg's trigger (or
# update-mime-database) adds it to the MIME database.
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${VANTOREL_APP_ID}.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
foreach(size ${VANTOREL_ICON_SIZES})
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/hicolor/${size}x${size}/apps/${VANTOREL_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantorel)
set(CPACK_PACKAGE_VENDOR "Vantorel")
set(CPACK_PACKAGE_CONTACT "Vantorel developers <vantorel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the European places of a Ludovane 99/00 euro.cfg")
set(CPACK_PACKAGE_INSTALL_DIRECTORY vantorel)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
# The extended description only: CPack puts the summary above it and indents the lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Vantorel shows the places that each of 48 countries holds in the three
European club competitions of the game's euro.cfg, lets them be edited
and saves the file back, keeping every other line as it was.

vantorel-places does the same from the command line, for scripts and
whole-season updates: it shows, exports and imports all places as CSV or
JSON, sets one place, compares two files and checks a file for what would
surprise the editor or the game.")
# The libraries come from dpkg-shlibdeps; Qt's platform plugins are loaded at run time, so
# no library dependency names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The metric-compatible stand-ins for the fonts the game's windows use, and the platform
# plugin for Wayland sessions (without it the program runs through XWayland).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-dejavu-core, qt6-wayland")
include(CPack)
