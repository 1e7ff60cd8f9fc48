# What `cmake --install` puts where for the season tool; included by Install.cmake, and on
# its own by a build without the editor (VANTOREL_GUI=OFF). The tool finds the template as
# the editor does, so it shares share/vantorel/templ.ate.
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/InstallDocs.cmake)

install(TARGETS vantorel-places RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
vantorel_install_gzipped(${PROJECT_SOURCE_DIR}/resources/man/vantorel-places.1 vantorel-places.1.gz
                         ${CMAKE_INSTALL_MANDIR}/man1)
if(TARGET vantorel_places_completion)
    install(FILES ${PROJECT_BINARY_DIR}/src/places/completion/vantorel-places
            DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
endif()
if(NOT VANTOREL_GUI)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/templ.ate DESTINATION ${CMAKE_INSTALL_DATADIR}/vantorel)
endif()
