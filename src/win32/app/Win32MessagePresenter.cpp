#include "win32/app/Win32MessagePresenter.h"

#include "core/WideText.h"

#include <windows.h>

namespace app {

namespace {

void show(const std::string& caption, const std::string& text, UINT type, HWND owner) {
    ::MessageBoxW(owner, core::win32::widen(text).c_str(), core::win32::widen(caption).c_str(), MB_OK | type);
}

} // namespace

void Win32MessagePresenter::showStop(const std::string& caption, const std::string& text) {
    show(caption, text, MB_ICONSTOP, ::GetActiveWindow());
}

void Win32MessagePresenter::showWarning(const std::string& caption, const std::string& text) {
    show(caption, text, MB_ICONWARNING, ::GetActiveWindow());
}

void Win32MessagePresenter::showApplicationError(const std::string& caption, const std::string& text) {
    show(caption, text, MB_ICONSTOP | MB_TASKMODAL, nullptr);
}

void Win32MessagePresenter::showInformation(const std::string& caption, const std::string& text) {
    show(caption, text, MB_ICONINFORMATION, ::GetActiveWindow());
}

} // namespace app
