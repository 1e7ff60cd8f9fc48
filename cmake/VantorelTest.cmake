# vantorel_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One Qt Test executable per unit, registered with CTest. Widget tests run on
# the offscreen platform so that CI needs no display.
function(vantorel_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_ENABLE_HIGHDPI_SCALING=0"
        TIMEOUT 120)
endfunction()
