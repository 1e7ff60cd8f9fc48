#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace app {

// The command line as ui::parseCommandLine() reads it, with the file made absolute as the
// Open dialog gives it.
struct CommandLine {
    std::optional<QString> file;
    bool usageError = false;
};

// `arguments` are those after the program's name, the toolkit's own options taken out.
CommandLine parseCommandLine(const QStringList& arguments);

} // namespace app
