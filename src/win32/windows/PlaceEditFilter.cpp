#include "win32/windows/PlaceEditFilter.h"

#include "win32/platform/Text1252.h"

#include <commctrl.h>

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

LRESULT CALLBACK filterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
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
    case WM_NCDESTROY:
        ::RemoveWindowSubclass(hwnd, &filterProc, 0);
        break;
    default:
        break;
    }
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

} // namespace

void refuseOutsideWindows1252(HWND edit) {
    ::SetWindowSubclass(edit, &filterProc, 0, 0);
}

} // namespace win32::placeedit
