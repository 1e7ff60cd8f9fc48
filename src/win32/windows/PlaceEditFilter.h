#pragma once

#include <windows.h>

// A place field takes only what Windows-1252 holds, and no line breaks: typed characters and
// pasted texts with anything else are refused with a beep, so what is typed is what is saved.
namespace win32::placeedit {

void refuseOutsideWindows1252(HWND edit);

} // namespace win32::placeedit
