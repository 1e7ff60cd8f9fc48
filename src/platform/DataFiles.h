#pragma once

#include <string>

// Where the program finds the data files it ships with.
namespace platform {

// The template file for a new document: "templ.ate" in the working folder when
// it exists there, else the one installed beside the program (<exe dir>/templ.ate,
// then <exe dir>/../share/vantorel/templ.ate), else the bare name "templ.ate", so
// that the error names the file the user expects.
std::string templatePath();

// The same lookup with the program's folder given.
std::string templatePath(const std::string& programDir);

} // namespace platform
