#include "win32/platform/SystemColors.h"

namespace win32 {

COLORREF resolveColor(core::TColor color) {
    if (core::isSystemColor(color))
        return ::GetSysColor(int(color & 0xFF));
    return RGB(core::redOf(color), core::greenOf(color), core::blueOf(color));
}

HBRUSH systemColorBrush(core::SystemColor index) {
    return ::GetSysColorBrush(int(index));
}

} // namespace win32
