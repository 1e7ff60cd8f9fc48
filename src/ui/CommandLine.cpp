#include "ui/CommandLine.h"

namespace ui {

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine commandLine;
    if (arguments.size() > 1)
        commandLine.usageError = true;
    else if (arguments.size() == 1)
        commandLine.file = arguments.front();
    return commandLine;
}

} // namespace ui
