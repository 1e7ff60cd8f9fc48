#pragma once

#include "core/Colors.h"

#include <windows.h>

namespace win32 {

// A colour value as GDI draws it: a system colour (top bit set) through GetSysColor, any other
// as its red, green and blue bytes.
COLORREF resolveColor(core::TColor color);

// The system colour's brush, owned by the system (never deleted).
HBRUSH systemColorBrush(core::SystemColor index);

} // namespace win32
