#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace app {

inline constexpr const char* kUsage = "usage: vantorel [FILE]";

// What the command line asks for: at most one file, opened as Open opens what its dialog
// returns. More than one argument is a usage error and the editor starts as without any.
struct CommandLine {
    std::optional<QString> file; // absolute, as the Open dialog gives it
    bool usageError = false;
};

// `arguments` are those after the program's name, the toolkit's own options taken out.
CommandLine parseCommandLine(const QStringList& arguments);

} // namespace app
