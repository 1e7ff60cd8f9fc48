#include "win32/platform/ChildWindow.h"

#include "core/Exception.h"
#include "win32/platform/Text1252.h"
#include "win32/platform/Window.h"

#include <string>

namespace win32 {

HWND createDesignChild(HWND parent, const ui::ControlDesign& control, int id, const wchar_t* windowClass,
                       DWORD style, DWORD exStyle) {
    style |= WS_CHILD | (control.visible ? WS_VISIBLE : 0) | (control.enabled ? 0 : WS_DISABLED);
    const HWND child = ::CreateWindowExW(
        exStyle, windowClass, text1252::toWide(control.caption).c_str(), style, 0, 0, 0, 0, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), programInstance(), nullptr);
    if (!child)
        throw core::Exception("Cannot create " + std::string(control.name) + " (system error " +
                              std::to_string(::GetLastError()) + ")");
    return child;
}

} // namespace win32
