#include "win32/app/Startup.h"

#include "core/WideText.h"
#include "ui/Application.h"
#include "win32/platform/Dpi.h"

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

namespace app {

void prepareProgram() {
    win32::dpi::declareAwareness();
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    ::InitCommonControlsEx(&controls);
    // The task bar groups the program's windows under its title.
    using SetAppId = HRESULT(WINAPI*)(PCWSTR);
    if (const HMODULE shell = ::GetModuleHandleW(L"shell32.dll"))
        if (const auto setAppId = reinterpret_cast<SetAppId>(
                reinterpret_cast<void*>(::GetProcAddress(shell, "SetCurrentProcessExplicitAppUserModelID"))))
            setAppId(core::win32::widen(ui::kApplicationTitle).c_str());
}

std::vector<std::string> commandLineArguments() {
    int count = 0;
    LPWSTR* words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; words && i < count; ++i)
        arguments.push_back(core::win32::narrow(words[i]));
    ::LocalFree(words);
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
