#include "win32/windows/TipWin.h"

#include "win32/platform/FormFrame.h"
#include "win32/platform/SystemColors.h"

namespace {

constexpr const wchar_t* kClassName = L"TForm3";
constexpr int kClientWidth = 367;
constexpr int kClientHeight = 183;
// A single fixed border, the system menu and the minimise button. Owned by the main window,
// it stays above the program's other windows.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

} // namespace

TForm3::TForm3(HWND owner) {
    registerClass({kClassName, nullptr, nullptr, win32::systemColorBrush(core::SystemColor::BtnFace)});
    create({kClassName, L"Tip Of The Day", kStyle, 0,
            win32::centredFrame(kClientWidth, kClientHeight, kStyle, 0), owner});
}

void TForm3::FormCreate() {}

void TForm3::FormDestroy() {}

LRESULT TForm3::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        ::ShowWindow(hwnd(), SW_HIDE); // created once; closing only hides it
        return 0;
    }
    return defaultHandling(message, wParam, lParam);
}
