# VANTOREL_SANITIZE=ON builds everything (libraries, program, tests, benchmarks) with
# AddressSanitizer and UndefinedBehaviorSanitizer. Any report ends the process with a
# failure: nothing is recovered from, so a test that triggers one fails.
option(VANTOREL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(VANTOREL_SANITIZE)
    set(VANTOREL_SANITIZER_FLAGS
        -fsanitize=address,undefined
        -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    add_compile_options(${VANTOREL_SANITIZER_FLAGS})
    add_link_options(${VANTOREL_SANITIZER_FLAGS})
endif()
