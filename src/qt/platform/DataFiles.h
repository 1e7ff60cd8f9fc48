#pragma once

#include <string>

// Where the program finds the data files it ships with.
namespace platform {

// The template file for a new document, looked up from this program's folder
// (document::templatePath).
std::string templatePath();

} // namespace platform
