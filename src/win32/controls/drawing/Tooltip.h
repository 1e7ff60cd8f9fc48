#pragma once

#include <windows.h>

#include <string_view>

namespace win32::controls {

// Gives a control the standard tooltip control with the short part of its hint ("short|long");
// an empty short part gives none. The controls of one window share its tooltip control.
void addTooltip(HWND control, std::string_view hint);

} // namespace win32::controls
