#pragma once

#include "ui/ControlDesign.h"

#include <windows.h>

namespace win32 {

// A child window of a system class for a control of the design, with its caption, control ID,
// visibility and enabled state; placed later (DesignLayout). Throws core::Exception naming
// the control when the system refuses it.
HWND createDesignChild(HWND parent, const ui::ControlDesign& control, int id, const wchar_t* windowClass,
                       DWORD style, DWORD exStyle = 0);

} // namespace win32
