#include "places/ProgramDirectory.h"

#include <filesystem>
#include <system_error>

namespace places {

// Linux names the running program's file in /proc; a Windows build asks the system instead.
std::string programDirectory() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

} // namespace places
