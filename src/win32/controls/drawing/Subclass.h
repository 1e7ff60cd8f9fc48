#pragma once

#include "core/Boundary.h"

#include <windows.h>

// A control object behind a subclassed system window: its messages go to Owner::handle()
// inside the handler boundary (a failure falls back to the window's own handling), and
// Owner::windowDestroyed() runs when the window goes; passOn() gives a message to the
// window's procedure from before the subclass.
//
// The links live in the program's own table rather than in window properties, as the system's
// subclass helpers keep them: under Wine a property is a trip to the server on every message.
namespace win32::controls {

namespace subclassing {

// What a subclass over a window knows: the procedure under it, and its owner (none once the
// owner has gone before the window).
struct Link {
    WNDPROC next = nullptr;
    void* owner = nullptr;
};

// Puts `procedure` over the window's procedure, for `owner`.
void attach(HWND hwnd, WNDPROC procedure, void* owner);
// The link of that subclass on that window; an empty one if there is none.
Link find(HWND hwnd, WNDPROC procedure);
// The owner goes before the window: the subclass stays in place (another may lie over it)
// and passes every message on.
void detach(HWND hwnd, WNDPROC procedure);
// The window goes.
void forget(HWND hwnd, WNDPROC procedure);

// While a subclass procedure runs, the procedure that passOn() reaches.
class PassingOnTo {
public:
    explicit PassingOnTo(WNDPROC next) noexcept;
    ~PassingOnTo();
    PassingOnTo(const PassingOnTo&) = delete;
    PassingOnTo& operator=(const PassingOnTo&) = delete;

private:
    WNDPROC m_outer;
};

} // namespace subclassing

// The message to the procedure under the subclass that is running.
LRESULT passOn(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

template <class Owner>
LRESULT CALLBACK guardedSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    const subclassing::Link link = subclassing::find(hwnd, &guardedSubclassProc<Owner>);
    const subclassing::PassingOnTo current(link.next);
    auto* owner = static_cast<Owner*>(link.owner);
    if (message == WM_NCDESTROY) {
        subclassing::forget(hwnd, &guardedSubclassProc<Owner>);
        if (owner)
            owner->windowDestroyed();
        return passOn(hwnd, message, wParam, lParam);
    }
    LRESULT result = 0;
    const bool handled = owner && core::runGuarded([&] { result = owner->handle(message, wParam, lParam); });
    return handled ? result : passOn(hwnd, message, wParam, lParam);
}

template <class Owner> void subclass(HWND hwnd, Owner* owner) {
    subclassing::attach(hwnd, &guardedSubclassProc<Owner>, owner);
}

template <class Owner> void unsubclass(HWND hwnd) {
    subclassing::detach(hwnd, &guardedSubclassProc<Owner>);
}

// The owner of the subclass of that kind on the window, if it has one.
template <class Owner> Owner* subclassOwner(HWND hwnd) {
    return static_cast<Owner*>(subclassing::find(hwnd, &guardedSubclassProc<Owner>).owner);
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
