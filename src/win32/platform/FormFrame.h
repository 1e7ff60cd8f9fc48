#pragma once

#include <windows.h>

namespace win32 {

// The frame of a top-level window whose client area has the given size at 96 dpi, scaled to
// the DPI of the primary monitor and centred on it.
RECT centredFrame(int clientWidth, int clientHeight, DWORD style, DWORD exStyle);

// Follows WM_DPICHANGED (its wParam and lParam): moves the window to the frame that keeps the
// same client size at 96 dpi for its new DPI (the message suggests one that scales the whole
// frame, borders included).
void followDpiChange(HWND hwnd, int clientWidth, int clientHeight, WPARAM wParam, LPARAM lParam);

// The program's icon resource at the system's size for large (32 px at 96 dpi) or small icons.
HICON loadProgramIcon(const wchar_t* name, bool small, UINT dpi);

} // namespace win32
