#include "win32/windows/MainWin.h"

#include "win32/platform/Dpi.h"
#include "win32/platform/FormFrame.h"
#include "win32/platform/ResourceNames.h"
#include "win32/platform/SystemColors.h"

namespace {

constexpr const wchar_t* kClassName = L"TForm1";
constexpr int kClientWidth = 617;
constexpr int kClientHeight = 281;
// A single fixed border; in the title bar the system menu and the minimise button.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

} // namespace

TForm1::TForm1() {
    const UINT dpi = win32::dpi::forWindow(nullptr);
    registerClass({kClassName, win32::loadProgramIcon(RES_NAME(RES_MAINICON), false, dpi),
                   win32::loadProgramIcon(RES_NAME(RES_MAINICON), true, dpi),
                   win32::systemColorBrush(core::SystemColor::BtnFace)});
    create({kClassName, L"Vantorel 99/00 V2.5", kStyle, 0,
            win32::centredFrame(kClientWidth, kClientHeight, kStyle, 0)});
}

void TForm1::FormCreate() {}

void TForm1::FormDestroy() {}

void TForm1::show() {
    ::ShowWindow(hwnd(), SW_SHOW);
    ::UpdateWindow(hwnd());
}

LRESULT TForm1::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        // Closing the main window ends the program; the windows go in the shut-down, in
        // reverse order of their creation.
        ::PostQuitMessage(0);
        return 0;
    case WM_DPICHANGED: {
        const RECT frame = win32::frameForDpi(hwnd(), kClientWidth, kClientHeight, HIWORD(wParam),
                                              *reinterpret_cast<const RECT*>(lParam));
        ::SetWindowPos(hwnd(), nullptr, frame.left, frame.top, frame.right - frame.left,
                       frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    default:
        return defaultHandling(message, wParam, lParam);
    }
}
