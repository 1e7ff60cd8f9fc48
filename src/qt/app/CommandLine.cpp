#include "qt/app/CommandLine.h"

#include "ui/CommandLine.h"

#include <QFileInfo>

#include <string>
#include <vector>

namespace app {

CommandLine parseCommandLine(const QStringList& arguments) {
    std::vector<std::string> utf8;
    for (const QString& argument : arguments)
        utf8.push_back(argument.toStdString());
    const ui::CommandLine parsed = ui::parseCommandLine(utf8);
    CommandLine commandLine;
    commandLine.usageError = parsed.usageError;
    if (parsed.file)
        commandLine.file = QFileInfo(QString::fromStdString(*parsed.file)).absoluteFilePath();
    return commandLine;
}

} // namespace app
