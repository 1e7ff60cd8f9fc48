#include "core/ProgramDirectory.h"

#include <filesystem>
#include <system_error>

namespace core {

// Linux names the running program's file in /proc.
std::string programPath() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.string();
}

} // namespace core
