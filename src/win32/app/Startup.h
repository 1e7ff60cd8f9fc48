#pragma once

#include <optional>
#include <string>
#include <vector>

namespace app {

// What the system must know before the first window: DPI awareness (per monitor).
void prepareProgram();

// The command line's arguments after the program's name, as UTF-8.
std::vector<std::string> commandLineArguments();
// The file as an absolute path (GetFullPathNameW), as the Open dialog gives one; nothing when
// the system cannot make one.
std::optional<std::string> absolutePath(const std::string& path);

} // namespace app
