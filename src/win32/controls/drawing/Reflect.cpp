#include "win32/controls/drawing/Reflect.h"

namespace win32::controls {

std::optional<LRESULT> reflectToChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND child = nullptr;
    switch (message) {
    case WM_COMMAND:
        child = reinterpret_cast<HWND>(lParam);
        break;
    case WM_DRAWITEM:
        child = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
        break;
    case WM_MEASUREITEM:
        child = ::GetDlgItem(parent, int(reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam)->CtlID));
        break;
    default:
        return std::nullopt;
    }
    if (!child || ::GetParent(child) != parent)
        return std::nullopt;
    const LRESULT result = ::SendMessageW(child, kReflectBase + message, wParam, lParam);
    if (result == 0)
        return std::nullopt;
    return result;
}

} // namespace win32::controls
