#include "win32/platform/FormFrame.h"

#include "win32/platform/Dpi.h"
#include "win32/platform/ShrunkIcon.h"
#include "win32/platform/Window.h"

namespace win32 {

namespace {

RECT frameAround(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, UINT dpi) {
    RECT frame{0, 0, dpi::scale(clientWidth, dpi), dpi::scale(clientHeight, dpi)};
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = reinterpret_cast<AdjustForDpi>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    if (!adjustForDpi || !adjustForDpi(&frame, style, FALSE, exStyle, dpi))
        ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return frame;
}

RECT frameForDpi(HWND hwnd, int clientWidth, int clientHeight, UINT dpi, const RECT& suggested) {
    const auto style = DWORD(::GetWindowLongPtrW(hwnd, GWL_STYLE));
    const auto exStyle = DWORD(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
    const RECT frame = frameAround(clientWidth, clientHeight, style, exStyle, dpi);
    return {suggested.left, suggested.top, suggested.left + frame.right - frame.left,
            suggested.top + frame.bottom - frame.top};
}

} // namespace

RECT centredFrame(int clientWidth, int clientHeight, DWORD style, DWORD exStyle) {
    const POINT origin{0, 0};
    const HMONITOR monitor = ::MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    ::GetMonitorInfoW(monitor, &info);
    const RECT& screen = info.rcMonitor;
    const UINT dpi = dpi::forPoint({screen.left, screen.top});
    RECT frame = frameAround(clientWidth, clientHeight, style, exStyle, dpi);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = screen.left + (screen.right - screen.left - width) / 2;
    const int top = screen.top + (screen.bottom - screen.top - height) / 2;
    return {left, top, left + width, top + height};
}

HICON loadProgramIcon(const wchar_t* name, bool small, UINT dpi) {
    const int size = dpi::systemMetric(small ? SM_CXSMICON : SM_CXICON, dpi);
    // The icons have one 32-pixel picture: a smaller one is its average, not the system's pick.
    constexpr int kDrawnSize = 32;
    if (size < kDrawnSize) {
        const auto drawn = static_cast<HICON>(
            ::LoadImageW(programInstance(), name, IMAGE_ICON, kDrawnSize, kDrawnSize, LR_DEFAULTCOLOR));
        const HICON shrunk = drawn ? shrinkIcon(drawn, size) : nullptr;
        if (drawn)
            ::DestroyIcon(drawn);
        if (shrunk)
            return shrunk;
    }
    return static_cast<HICON>(::LoadImageW(programInstance(), name, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

void followDpiChange(HWND hwnd, int clientWidth, int clientHeight, WPARAM wParam, LPARAM lParam) {
    const RECT frame =
        frameForDpi(hwnd, clientWidth, clientHeight, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    ::SetWindowPos(hwnd, nullptr, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace win32
