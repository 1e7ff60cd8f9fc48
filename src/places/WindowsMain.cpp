// The Windows program's entry. The command line arrives in UTF-16 and a console takes wide
// characters; the tool itself sees UTF-8 and writes UTF-8, as on Linux.
#include "core/ConsoleProgram.h"
#include "places/PlacesCli.h"

#include <iostream>

int wmain(int argc, wchar_t** argv) {
    core::win32::ConsoleProgram program(argc, argv);
    return places::runPlaces(std::vector<std::string>(program.argv() + 1, program.argv() + program.argc()),
                             std::cout, std::cerr);
}
