#include "win32/windows/AboutWin.h"

#include "win32/platform/FormFrame.h"
#include "win32/platform/SystemColors.h"

namespace {

constexpr const wchar_t* kClassName = L"TForm2";
constexpr int kClientWidth = 306;
constexpr int kClientHeight = 228;
// A dialog border; in the title bar only the close button.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

} // namespace

TForm2::TForm2(HWND owner) {
    registerClass({kClassName, nullptr, nullptr, win32::systemColorBrush(core::SystemColor::BtnFace)});
    create({kClassName, L"About", kStyle, kExStyle,
            win32::centredFrame(kClientWidth, kClientHeight, kStyle, kExStyle), owner});
}

void TForm2::FormCreate() {}

LRESULT TForm2::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        ::ShowWindow(hwnd(), SW_HIDE); // created once; closing only hides it
        return 0;
    }
    return defaultHandling(message, wParam, lParam);
}
