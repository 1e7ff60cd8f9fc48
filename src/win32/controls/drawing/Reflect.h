#pragma once

#include <windows.h>

#include <optional>

// The system sends a control's notifications (WM_COMMAND, WM_DRAWITEM, WM_MEASUREITEM) to its
// parent. A control that handles its own sends them back to the control: kReflectBase + the
// message. A parent that holds such controls calls reflectToChild() first in its window
// procedure; the control answers a reflected message it handled with a non-zero result.
namespace win32::controls {

inline constexpr UINT kReflectBase = WM_APP + 0x3000;

// The result when the child named by the message handled it; nothing otherwise.
std::optional<LRESULT> reflectToChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace win32::controls
