#pragma once

#include "ui/ControlDesign.h"

#include <windows.h>

// The program lays its windows out for 96 dots per inch and scales by each window's own DPI.
namespace win32::dpi {

inline constexpr UINT kDesignDpi = 96;

// Asks for per-monitor awareness, version 2, and falls back to version 1 where the system has
// no version 2 (Wine 8, Windows before 10 1703), then to system awareness. Call before any
// window exists; a manifest that already declared awareness makes this a no-op.
void declareAwareness();

// The window's DPI (GetDpiForWindow), or the screen's where the system cannot tell per window.
UINT forWindow(HWND hwnd);
// The DPI a new top-level window gets on the monitor that holds the point.
UINT forPoint(POINT point);

constexpr int scale(int value, UINT dpi) {
    // Rounded half away from zero, as MulDiv does.
    const long long n = static_cast<long long>(value) * dpi;
    return static_cast<int>(n >= 0 ? (n + kDesignDpi / 2) / kDesignDpi
                                   : -((-n + kDesignDpi / 2) / kDesignDpi));
}

// Both edges are scaled, so boxes that touch at 96 dpi still touch.
constexpr ui::Box scale(const ui::Box& box, UINT dpi) {
    const int left = scale(box.left, dpi);
    const int top = scale(box.top, dpi);
    return {left, top, scale(box.right(), dpi) - left, scale(box.bottom(), dpi) - top};
}

// GetSystemMetricsForDpi where the system has it, else the system's metric as it stands.
int systemMetric(int index, UINT dpi);

} // namespace win32::dpi
