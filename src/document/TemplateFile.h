#pragma once

#include <string>

// Where the program finds the template for a new document.
namespace document {

inline constexpr const char* kTemplateName = "templ.ate";

// "templ.ate" in the working folder when it exists there, else the one installed beside
// the program (<programDir>/templ.ate, then <programDir>/../share/vantorel/templ.ate),
// else the bare name "templ.ate", so that the error names the file the user expects.
// An empty programDir skips the places beside the program.
std::string templatePath(const std::string& programDir);

} // namespace document
