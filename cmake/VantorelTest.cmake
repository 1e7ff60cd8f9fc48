# vantorel_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One Qt Test executable per unit, registered with CTest. Widget tests run on
# the offscreen platform so that CI needs no display.
set(VANTOREL_TEST_ENVIRONMENT "QT_QPA_PLATFORM=offscreen" "QT_ENABLE_HIGHDPI_SCALING=0")
if(VANTOREL_SANITIZE)
    # Every report fails the test; leaks are checked at exit, minus the few third-party
    # allocations listed in the suppressions file.
    list(APPEND VANTOREL_TEST_ENVIRONMENT
        "ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1:strict_string_checks=1"
        "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1"
        "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0")
endif()

function(vantorel_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    # Shared test helpers live in tests/support.
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "${VANTOREL_TEST_ENVIRONMENT}"
        TIMEOUT 120)
endfunction()
