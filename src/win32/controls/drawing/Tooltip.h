#pragma once

#include <windows.h>

#include <string_view>

namespace win32::controls {

// Gives a control the standard tooltip control with the short part of its hint ("short|long");
// an empty short part gives none. The controls of one window share its tooltip control.
//
// The tooltip controls are made at the first mouse message (prepareTooltips, from the message
// loop), not with their controls: the common controls' library, which the program needs for
// nothing else, then loads after the windows stand rather than before the first one.
void addTooltip(HWND control, std::string_view hint);

// Makes the tooltips given so far, once; the message loop calls it before a mouse message.
void prepareTooltips();

} // namespace win32::controls
