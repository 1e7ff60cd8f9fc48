#include "win32/app/Win32MessagePresenter.h"

#include "core/WideText.h"

#include <windows.h>

#include <vector>

namespace app {

namespace {

// While a box is open the program's other windows take no input: the box disables its owner,
// and these the rest of the thread's windows, until it closes.
class OtherWindowsDisabled {
public:
    explicit OtherWindowsDisabled(HWND owner)
        : m_owner(owner) {
        ::EnumThreadWindows(::GetCurrentThreadId(), &OtherWindowsDisabled::disable,
                            reinterpret_cast<LPARAM>(this));
    }
    ~OtherWindowsDisabled() {
        for (const HWND window : m_disabled)
            if (::IsWindow(window))
                ::EnableWindow(window, TRUE);
    }
    OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
    OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

private:
    static BOOL CALLBACK disable(HWND window, LPARAM self) {
        auto* me = reinterpret_cast<OtherWindowsDisabled*>(self);
        if (window != me->m_owner && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
            ::EnableWindow(window, FALSE);
            me->m_disabled.push_back(window);
        }
        return TRUE;
    }

    HWND m_owner;
    std::vector<HWND> m_disabled;
};

// The box is owned by the program's active window, or by none.
void show(const std::string& caption, const std::string& text, UINT type) {
    const HWND owner = ::GetActiveWindow();
    const OtherWindowsDisabled others(owner);
    ::MessageBoxW(owner, core::win32::widen(text).c_str(), core::win32::widen(caption).c_str(), MB_OK | type);
}

} // namespace

void Win32MessagePresenter::showStop(const std::string& caption, const std::string& text) {
    show(caption, text, MB_ICONSTOP);
}

void Win32MessagePresenter::showWarning(const std::string& caption, const std::string& text) {
    show(caption, text, MB_ICONWARNING);
}

void Win32MessagePresenter::showApplicationError(const std::string& caption, const std::string& text) {
    // Task-modal with no owner: the system disables every window of the thread itself.
    ::MessageBoxW(nullptr, core::win32::widen(text).c_str(), core::win32::widen(caption).c_str(),
                  MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

void Win32MessagePresenter::showInformation(const std::string& caption, const std::string& text) {
    show(caption, text, MB_ICONINFORMATION);
}

} // namespace app
