#pragma once

#include <windows.h>

namespace win32::controls {

// The command bar: a panel with a raised one-pixel bevel on the button face that carries the
// command buttons (SpeedButton) and the pickers as its children. What its children tell their
// parent (WM_COMMAND, WM_DRAWITEM, WM_MEASUREITEM) goes first to the child itself (Reflect.h),
// then on to the bar's parent, so the window's handlers see the commands' BN_CLICKED by their IDs.
//
// Creating one:
//     HWND bar = SpeedBar::create(mainWindow, ids::SpeedBar1);
//     layout.add(bar, design.box);
//     SpeedButtonSpec item; item.id = ids::speedItem(5); item.caption = "New"; item.showCaption = false;
//     item.hint = "New|"; item.glyph = RES_NAME(RES_GLYPH_NEW);
//     layout.add(SpeedButton::create(bar, item), {3, 3, 24, 24});
class SpeedBar {
public:
    // Throws core::Exception when the system refuses the window.
    static HWND create(HWND parent, int id);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    static void paint(HWND hwnd, HDC dc);
};

} // namespace win32::controls
