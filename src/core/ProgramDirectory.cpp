#include "core/ProgramDirectory.h"

#include "core/FileKit.h"

namespace core {

std::string programDirectory() {
    const std::string path = programPath();
    return path.empty() ? path : files::parentDirectory(path);
}

std::string programFileName() {
    const std::string path = programPath();
    return path.empty() ? path : files::fileName(path);
}

} // namespace core
