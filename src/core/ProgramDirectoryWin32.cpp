#include "core/ProgramDirectory.h"

#include "core/WideText.h"

#include <windows.h>

namespace core {

std::string programPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return win32::narrow(path);
        }
        path.resize(path.size() * 2); // cut short: try again with more room
    }
}

} // namespace core
