#pragma once

#include <windows.h>

#include <vector>

namespace app {

// Runs the program's message loop until WM_QUIT and gives its exit code. Keys for one of
// tabWindows, or for a control in one, go through IsDialogMessageW first, so that Tab and
// Shift+Tab move between the controls that are tab stops. Such a window therefore gets
// DM_GETDEFID (WM_USER), which it must not use for a message of its own, and WM_COMMAND with
// IDOK or IDCANCEL for Enter and Esc, which no control ID of the program is. Tab reaches the
// tab stops inside a child that holds controls (a group box with its fields) only when that
// child has WS_EX_CONTROLPARENT. The first mouse message makes the controls' tooltips.
int runMessageLoop(const std::vector<HWND>& tabWindows);

} // namespace app
