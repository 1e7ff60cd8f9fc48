#include "win32/app/ApplicationWindow.h"

#include "core/WideText.h"
#include "ui/Application.h"
#include "win32/platform/Dpi.h"
#include "win32/platform/FormFrame.h"
#include "win32/platform/ResourceNames.h"

namespace app {

namespace {

constexpr const wchar_t* kClassName = L"TApplication";
// A caption, a system menu and a minimise box make the task-bar button's menu; no tool-window
// style, which would take the button away.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS;
// Posted when the window is activated: its owned window takes over once the activation is done.
constexpr UINT kActivateOwned = WM_APP + 1;

} // namespace

ApplicationWindow::ApplicationWindow() {
    const UINT dpi = win32::dpi::forWindow(nullptr);
    registerClass({kClassName, win32::loadProgramIcon(RES_NAME(RES_MAINICON), false, dpi),
                   win32::loadProgramIcon(RES_NAME(RES_MAINICON), true, dpi)});
    const int x = ::GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = ::GetSystemMetrics(SM_CYSCREEN) / 2;
    create({kClassName, core::win32::widen(ui::kApplicationTitle), kStyle, 0, RECT{x, y, x, y}});
    ::ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
}

void ApplicationWindow::rememberActiveWindow(HWND window) {
    DWORD process = 0;
    if (window && window != hwnd() && ::GetWindowThreadProcessId(window, &process) == ::GetCurrentThreadId())
        m_lastActive = window;
}

void ApplicationWindow::activateOwnedWindow() const {
    if (::GetActiveWindow() != hwnd() || ::IsIconic(hwnd()))
        return;
    HWND target = m_lastActive;
    if (!::IsWindow(target) || !::IsWindowVisible(target))
        target = m_mainWindow;
    // A window under a modal box (a file dialog, a message box) passes the activation to it.
    if (target && !::IsWindowEnabled(target))
        target = ::GetLastActivePopup(target);
    if (target && target != hwnd() && ::IsWindowVisible(target) && ::IsWindowEnabled(target))
        ::SetActiveWindow(target);
}

LRESULT ApplicationWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATEAPP:
        // The program's window that was active when another program took over.
        if (!wParam)
            rememberActiveWindow(::GetLastActivePopup(hwnd()));
        return defaultHandling(message, wParam, lParam);
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) {
            // Activating this window, the system forgets which of its windows was active last:
            // the one it comes from, when it is one of the program's.
            rememberActiveWindow(reinterpret_cast<HWND>(lParam));
            ::PostMessageW(hwnd(), kActivateOwned, 0, 0);
        }
        return defaultHandling(message, wParam, lParam);
    case kActivateOwned:
        activateOwnedWindow();
        return 0;
    case WM_SIZE:
        // The program's windows go down and come back with this one. The system does that
        // itself for the windows it owns; Wine does not, so here it is done for both (showing
        // brings back only the windows that minimising hid).
        if (wParam == SIZE_MINIMIZED || wParam == SIZE_RESTORED)
            ::ShowOwnedPopups(hwnd(), wParam == SIZE_RESTORED);
        return 0;
    case WM_CLOSE:
        // Close from the button's menu is the main window's Close, which ends the program.
        if (m_mainWindow)
            ::SendMessageW(m_mainWindow, WM_CLOSE, 0, 0);
        return 0;
    default:
        return defaultHandling(message, wParam, lParam);
    }
}

} // namespace app
