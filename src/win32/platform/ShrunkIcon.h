#pragma once

#include <windows.h>

namespace win32 {

// A copy of icon at size × size pixels (smaller than the icon) in which each pixel is the
// average of the pixels it covers, with an alpha channel. The system's own reduction picks
// single pixels, which turns a 32-pixel picture into noise at 16. Null when it fails.
HICON shrinkIcon(HICON icon, int size);

} // namespace win32
