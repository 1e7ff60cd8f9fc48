#pragma once

#include <string>

namespace places {

// The folder that holds the running program, or "" when it cannot be told.
std::string programDirectory();

} // namespace places
