#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ui {

// What the command line asks for: at most one file, opened as Open opens what its dialog
// returns. More than one argument is a usage error and the editor starts as without any.
struct CommandLine {
    std::optional<std::string> file; // as given; the front end makes it absolute
    bool usageError = false;
};

// `arguments` are those after the program's name, the toolkit's own options taken out.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

} // namespace ui
