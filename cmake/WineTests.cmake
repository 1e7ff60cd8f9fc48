# The Windows build's programs under Wine: vantorel-places.exe by the same tests that run the
# Linux program, vantorel.exe by a driver of its own (tests/win32/app). VANTOREL_WINDOWS_BUILD
# names a build folder of scripts/build-windows.sh; empty skips. The Wine prefix is a throwaway
# one in this build folder, made once by the fixture test wine_prefix, with the font
# replacements that lay the windows out in the fonts they name; the tests run while its server
# stays up, which makes each start quick. They take turns: the window test ends the prefix's
# server when done.
set(VANTOREL_WINDOWS_BUILD "" CACHE PATH "A Windows build (scripts/build-windows.sh) whose programs the tests run under Wine")

if(VANTOREL_WINDOWS_BUILD)
    find_program(VANTOREL_WINE NAMES wine64 wine PATHS /usr/lib/wine REQUIRED)
    set(VANTOREL_WINDOWS_PLACES ${VANTOREL_WINDOWS_BUILD}/src/places/vantorel-places.exe)
    set(VANTOREL_WINDOWS_HOLD_FILE ${VANTOREL_WINDOWS_BUILD}/tests/places/windows/hold_file.exe)
    # No desktop menu entries, no .NET or HTML engines: none of them is needed, each costs time.
    set(VANTOREL_WINE_ENVIRONMENT
        "WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix" "WINEDEBUG=-all"
        "WINEDLLOVERRIDES=winemenubuilder.exe,mscoree,mshtml=d")
    add_test(NAME wine_prefix COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/wine-prefix.sh ${VANTOREL_WINE})
    set_tests_properties(wine_prefix PROPERTIES
        FIXTURES_SETUP wine ENVIRONMENT "${VANTOREL_WINE_ENVIRONMENT}" TIMEOUT 120)
endif()

# vantorel_run_under_wine(<test> [<VAR=value>...]): the test runs with the Wine prefix and
# these variables set, after the prefix is made.
function(vantorel_run_under_wine test)
    get_test_property(${test} ENVIRONMENT environment)
    if(NOT environment)
        set(environment "")
    endif()
    list(APPEND environment ${VANTOREL_WINE_ENVIRONMENT} ${ARGN})
    set_tests_properties(${test} PROPERTIES ENVIRONMENT "${environment}" FIXTURES_REQUIRED wine
        RESOURCE_LOCK wine_prefix)
endfunction()
