# What `cmake --install` puts where for the season tool; included by Install.cmake, and on
# its own by a build without the editor (VANTOREL_GUI=OFF). The tool finds the template as
# the editor does, so it shares share/vantorel/templ.ate.
include(GNUInstallDirs)

install(TARGETS vantorel-places RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(NOT VANTOREL_GUI)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/templ.ate DESTINATION ${CMAKE_INSTALL_DATADIR}/vantorel)
endif()
