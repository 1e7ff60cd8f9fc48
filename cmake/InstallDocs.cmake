# Manual pages and the package's documentation, compressed as Debian wants them (gzip -9n:
# no name or time stamp, so the package builds the same every time). `man -l` reads them as
# they are.
include_guard(GLOBAL)
find_program(VANTOREL_GZIP gzip REQUIRED)

# vantorel_install_gzipped(<source file> <name of the .gz> <destination>)
function(vantorel_install_gzipped source name destination)
    set(output ${PROJECT_BINARY_DIR}/gzipped/${name})
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/gzipped
        COMMAND ${VANTOREL_GZIP} -9n -c ${source} > ${output}
        DEPENDS ${source})
    string(MAKE_C_IDENTIFIER ${name} target)
    add_custom_target(gzip_${target} ALL DEPENDS ${output})
    install(FILES ${output} DESTINATION ${destination})
endfunction()
