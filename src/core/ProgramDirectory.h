#pragma once

#include <string>

namespace core {

// The running program's file, or "" when it cannot be told.
std::string programPath();
// The folder that holds it, or "".
std::string programDirectory();
// Its file name ("vantorel.exe"), or "".
std::string programFileName();

} // namespace core
