#include "win32/app/Startup.h"

#include "core/WideText.h"
#include "win32/platform/Dpi.h"

#include <windows.h>

#include <cstdlib>

namespace app {

void prepareProgram() {
    win32::dpi::declareAwareness();
}

// The words of the command line as the C runtime split them for the program's start (the
// shell's splitting would load the shell library just for that).
std::vector<std::string> commandLineArguments() {
    std::vector<std::string> arguments;
    for (int i = 1; __wargv && i < __argc; ++i)
        arguments.push_back(core::win32::narrow(__wargv[i]));
    return arguments;
}

std::optional<std::string> absolutePath(const std::string& path) {
    const std::wstring wide = core::win32::widen(path);
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetFullPathNameW(wide.c_str(), DWORD(full.size()), full.data(), nullptr);
        if (length == 0)
            return std::nullopt;
        if (length < full.size()) {
            full.resize(length);
            return core::win32::narrow(full);
        }
        full.resize(length);
    }
}

} // namespace app
