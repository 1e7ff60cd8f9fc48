#pragma once

#include "ui/ControlDesign.h"
#include "win32/platform/DesignLayout.h"

#include <windows.h>

namespace win32 {

// A captioned speed button of the design (its caption, hint and font colour) with the given
// control ID, added to layout at the design's box and font.
HWND createDesignSpeedButton(HWND parent, DesignLayout& layout, const ui::ControlDesign& control, int id);

} // namespace win32
