# VANTOREL_FUZZ=ON makes a build of libFuzzer targets (fuzz/) over the document and settings
# layers, instrumented for coverage, AddressSanitizer and UndefinedBehaviorSanitizer. It needs
# clang; the normal build never sees it.
option(VANTOREL_FUZZ "Build the libFuzzer targets instead of the program (needs clang)" OFF)

if(VANTOREL_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "VANTOREL_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    set(VANTOREL_FUZZ_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(-fsanitize=fuzzer-no-link ${VANTOREL_FUZZ_FLAGS})
    add_link_options(${VANTOREL_FUZZ_FLAGS})

    # vantorel_add_fuzzer(<name> SOURCES <files...> LIBS <targets...>)
    function(vantorel_add_fuzzer name)
        cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
        add_executable(${name} ${ARG_SOURCES})
        target_link_libraries(${name} PRIVATE ${ARG_LIBS})
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    endfunction()
endif()
