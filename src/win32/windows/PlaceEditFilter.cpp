#include "win32/windows/PlaceEditFilter.h"

#include "win32/platform/Text1252.h"

#include <string>

namespace win32::placeedit {

namespace {

bool acceptable(std::wstring_view text) {
    return text.find_first_of(L"\r\n") == std::wstring_view::npos && !text1252::firstRefused(text);
}

std::wstring clipboardText(HWND owner) {
    std::wstring text;
    if (!::OpenClipboard(owner))
        return text;
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT))
        if (const auto* chars = static_cast<const wchar_t*>(::GlobalLock(data))) {
            text = chars;
            ::GlobalUnlock(data);
        }
    ::CloseClipboard();
    return text;
}

// The edit control's own procedure, the same for every field. A plain subclass: the system's
// subclass helpers keep their links in window properties, which cost a trip to Wine's server
// on every message.
WNDPROC g_editProcedure = nullptr;

LRESULT CALLBACK filterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CHAR:
        // Control characters (Backspace, Ctrl+C and the like) are the edit's own keys.
        if (wParam >= 0x20 && !acceptable(std::wstring(1, wchar_t(wParam)))) {
            ::MessageBeep(MB_OK);
            return 0;
        }
        break;
    case WM_PASTE:
        if (!acceptable(clipboardText(hwnd))) {
            ::MessageBeep(MB_OK);
            return 0;
        }
        break;
    default:
        break;
    }
    return ::CallWindowProcW(g_editProcedure, hwnd, message, wParam, lParam);
}

} // namespace

void refuseOutsideWindows1252(HWND edit) {
    const auto own = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&filterProc)));
    if (!g_editProcedure)
        g_editProcedure = own;
}

} // namespace win32::placeedit
