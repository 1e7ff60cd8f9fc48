#include "Dialogs.h"

#include "Checks.h"
#include "Controls.h"
#include "Screen.h"

namespace wintest {

namespace {

// The IDs that the system's dialogs give these controls.
constexpr int kFileNameBox = 1148;
constexpr int kMessageText = 65535;
constexpr int kMessageIcon = 1088;

// The icon as the system draws it, and the screen where the box shows its icon, pixel for pixel.
bool showsIcon(HWND iconControl, LPCWSTR icon) {
    RECT box{};
    ::GetWindowRect(iconControl, &box);
    const int size = ::GetSystemMetrics(SM_CXICON);
    const ScreenImage screen(box);
    const ScreenImage expected = ScreenImage::drawIcon(::LoadIconW(nullptr, icon), size, screen.pixel(0, 0));
    int same = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            same += screen.pixel(x, y) == expected.pixel(x, y);
    return same >= size * size * 95 / 100;
}

} // namespace

void answerFileDialog(HWND dialog, const std::wstring& fileName) {
    setText(control(dialog, kFileNameBox), fileName);
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(::GetDlgItem(dialog, IDOK)));
}

MessageBoxShown readMessageBox(HWND box) {
    MessageBoxShown shown{text(box), text(control(box, kMessageText))};
    ::Sleep(100); // drawn
    shown.stopIcon = showsIcon(control(box, kMessageIcon), IDI_HAND);
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(::GetDlgItem(box, IDOK)));
    return shown;
}

} // namespace wintest
