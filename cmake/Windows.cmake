# The Windows build: cross-compiled with mingw-w64 (cmake/mingw-w64-x86_64.cmake), no Qt, so
# only the toolkit-free layers and the season tool. See scripts/build-windows.sh.

# One self-contained .exe: the C and C++ run-times and winpthread linked in, so that it needs
# no DLL but the system's own.
add_link_options(-static)
# Programs start at wmain, which receives the command line in UTF-16.
add_link_options(-municode)
# Windows 7 and later; the wide-character ("W") calls throughout.
add_compile_definitions(_WIN32_WINNT=0x0601 UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

# The header-only libraries come from the host's /usr/include, which cannot be on the include
# path as a whole: its C library headers would hide the cross compiler's. Each library's own
# folder is linked into a folder of its own, and find_package() gets a small package file that
# names just that folder (and the version file of the host's package).
set(VANTOREL_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
function(vantorel_host_header_package package target folder)
    if(NOT IS_DIRECTORY /usr/include/${folder})
        message(FATAL_ERROR "/usr/include/${folder} is missing: install the Debian package that has it")
    endif()
    file(MAKE_DIRECTORY ${VANTOREL_HOST_HEADERS}/cmake/${package})
    file(CREATE_LINK /usr/include/${folder} ${VANTOREL_HOST_HEADERS}/${folder} SYMBOLIC)
    set(dir ${VANTOREL_HOST_HEADERS}/cmake/${package})
    file(WRITE ${dir}/${package}Config.cmake
        "if(NOT TARGET ${target})\n"
        "    add_library(${target} INTERFACE IMPORTED)\n"
        "    target_include_directories(${target} SYSTEM INTERFACE ${VANTOREL_HOST_HEADERS})\n"
        "endif()\n")
    file(WRITE ${dir}/${package}ConfigVersion.cmake
        "include(/usr/share/cmake/${package}/${package}ConfigVersion.cmake)\n")
    set(${package}_DIR ${dir} CACHE PATH "" FORCE)
endfunction()
vantorel_host_header_package(CLI11 CLI11::CLI11 CLI)
vantorel_host_header_package(nlohmann_json nlohmann_json::nlohmann_json nlohmann)

# -O2 as the Linux build's RelWithDebInfo: GCC 12 at -O3 warns falsely (-Wrestrict) inside
# std::string, and warnings are errors.
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "" FORCE)
