#pragma once

#include "core/Boundary.h"

#include <windows.h>

#include <commctrl.h>

// A control object behind a subclassed system window: its messages go to Owner::handle()
// inside the handler boundary (a failure falls back to the window's own handling), and
// Owner::windowDestroyed() runs when the window goes.
namespace win32::controls {

template <class Owner>
LRESULT CALLBACK guardedSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self) noexcept {
    auto* owner = reinterpret_cast<Owner*>(self);
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(hwnd, &guardedSubclassProc<Owner>, id);
        owner->windowDestroyed();
        return ::DefSubclassProc(hwnd, message, wParam, lParam);
    }
    LRESULT result = 0;
    const bool handled = core::runGuarded([&] { result = owner->handle(message, wParam, lParam); });
    return handled ? result : ::DefSubclassProc(hwnd, message, wParam, lParam);
}

template <class Owner> void subclass(HWND hwnd, Owner* owner) {
    ::SetWindowSubclass(hwnd, &guardedSubclassProc<Owner>, 1, reinterpret_cast<DWORD_PTR>(owner));
}

template <class Owner> void unsubclass(HWND hwnd) {
    ::RemoveWindowSubclass(hwnd, &guardedSubclassProc<Owner>, 1);
}

// WM_PAINT: draw(dc) between BeginPaint and EndPaint.
template <class Draw> LRESULT paintWith(HWND hwnd, Draw&& draw) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd, &ps);
    draw(dc);
    ::EndPaint(hwnd, &ps);
    return 0;
}

} // namespace win32::controls
