#pragma once

#include <windows.h>

#include <functional>
#include <optional>

namespace win32::controls {

// What assistive technology is told of a control whose system class says something else: the
// system's own accessible object for the window (name, location, focus, default action ...)
// with its role, and optionally its checked state, replaced. For a link drawn in a STATIC and a
// toggle drawn in an owner-drawn BUTTON.
struct AccessibleOverride {
    LONG role = 0;                 // ROLE_SYSTEM_LINK, ROLE_SYSTEM_CHECKBUTTON
    std::function<bool()> checked; // empty: the state as the system says
};

// The answer to WM_GETOBJECT for the window's client object; nothing for the other objects,
// which the window's own handling answers.
std::optional<LRESULT> answerGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam,
                                       const AccessibleOverride& override);

} // namespace win32::controls
