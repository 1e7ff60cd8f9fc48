#include "qt/app/CommandLine.h"

#include <QFileInfo>

namespace app {

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine commandLine;
    if (arguments.size() > 1)
        commandLine.usageError = true;
    else if (arguments.size() == 1)
        commandLine.file = QFileInfo(arguments.front()).absoluteFilePath();
    return commandLine;
}

} // namespace app
