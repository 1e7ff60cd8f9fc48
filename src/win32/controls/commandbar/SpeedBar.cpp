#include "win32/controls/commandbar/SpeedBar.h"

#include "core/Colors.h"
#include "core/Exception.h"
#include "win32/controls/drawing/OffscreenDc.h"
#include "win32/controls/drawing/Reflect.h"
#include "win32/controls/drawing/Subclass.h"
#include "win32/platform/SystemColors.h"
#include "win32/platform/Window.h"

#include <string>

namespace win32::controls {

namespace {
constexpr wchar_t kClassName[] = L"TSpeedBar";
}

HWND SpeedBar::create(HWND parent, int id) {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &SpeedBar::windowProc;
        wc.hInstance = programInstance();
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        return ::RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
    HWND hwnd = ::CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 30,
                                  parent, reinterpret_cast<HMENU>(INT_PTR(id)), programInstance(), nullptr);
    if (!hwnd)
        throw core::Exception("Cannot create the command bar (system error " +
                              std::to_string(::GetLastError()) + ")");
    return hwnd;
}

void SpeedBar::paint(HWND hwnd, HDC target) {
    RECT r;
    ::GetClientRect(hwnd, &r);
    OffscreenDc off(target, r.right, r.bottom);
    fillBox(off.dc(), 0, 0, r.right, r.bottom, resolveColor(core::clBtnFace));
    drawFrameRing(off.dc(), r, resolveColor(core::clBtnHighlight), resolveColor(core::clBtnShadow));
    off.copyTo(target, 0, 0);
}

LRESULT CALLBACK SpeedBar::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return paintWith(hwnd, [hwnd](HDC dc) { paint(hwnd, dc); });
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        if (const auto reflected = reflectToChild(hwnd, message, wParam, lParam))
            return *reflected;
        return ::SendMessageW(::GetParent(hwnd), message, wParam, lParam);
    default:
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace win32::controls
