#include "win32/controls/pickers/OwnerDrawCombo.h"

#include "core/Boundary.h"
#include "core/Exception.h"
#include "win32/controls/drawing/OffscreenDc.h"
#include "win32/controls/drawing/Reflect.h"
#include "win32/controls/drawing/Subclass.h"
#include "win32/platform/Window.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace win32::controls {

void OwnerDrawCombo::create(HWND parent, int id, DWORD extraStyle) {
    m_hwnd = ::CreateWindowExW(0, L"COMBOBOX", L"",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED |
                                   CBS_HASSTRINGS | CBS_AUTOHSCROLL | extraStyle,
                               0, 0, 100, 300, parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                               programInstance(), nullptr);
    if (!m_hwnd)
        throw core::Exception("Cannot create the picker (system error " + std::to_string(::GetLastError()) +
                              ")");
    subclass(m_hwnd, this);
    resetItemHeight();
}

void OwnerDrawCombo::change() const {
    if (OnChange)
        OnChange();
}

int OwnerDrawCombo::selectedIndex() const {
    return int(::SendMessageW(m_hwnd, CB_GETCURSEL, 0, 0));
}

std::wstring OwnerDrawCombo::entryText(int index) const {
    std::wstring text(std::size_t(::SendMessageW(m_hwnd, CB_GETLBTEXTLEN, WPARAM(index), 0)) + 1, L'\0');
    text.resize(std::size_t(
        ::SendMessageW(m_hwnd, CB_GETLBTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

void OwnerDrawCombo::resetItemHeight() {
    HDC dc = ::GetDC(m_hwnd);
    auto* font = reinterpret_cast<HFONT>(::SendMessageW(m_hwnd, WM_GETFONT, 0, 0));
    HGDIOBJ old = ::SelectObject(dc, font ? font : ::GetStockObject(SYSTEM_FONT));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hwnd, dc);
    ::SendMessageW(m_hwnd, CB_SETITEMHEIGHT, 0, itemHeight(metrics.tmHeight));
}

// The system combo's list takes the window's height below the field. The layout gives the
// window the design's height, the field's own, which would drop a list one pixel high: the
// window grows by the list before each drop (a closed combo's window is its field alone).
void OwnerDrawCombo::fitDropDown() const {
    constexpr int kDropDownRows = 8;
    RECT field{};
    ::GetWindowRect(m_hwnd, &field);
    const int count = int(::SendMessageW(m_hwnd, CB_GETCOUNT, 0, 0));
    const int rows = std::clamp(count, 1, kDropDownRows);
    const int list = rows * int(::SendMessageW(m_hwnd, CB_GETITEMHEIGHT, 0, 0)) + 2;
    ::SetWindowPos(m_hwnd, nullptr, 0, 0, field.right - field.left, field.bottom - field.top + list,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT OwnerDrawCombo::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kReflectBase + WM_DRAWITEM:
        draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case kReflectBase + WM_MEASUREITEM:
        return TRUE; // the height is set with CB_SETITEMHEIGHT
    case kReflectBase + WM_COMMAND:
        if (HIWORD(wParam) == CBN_SELCHANGE) {
            userSelected();
            return TRUE;
        }
        if (HIWORD(wParam) == CBN_DROPDOWN)
            fitDropDown();
        return 0;
    case WM_SETFONT: {
        const LRESULT result = passOn(m_hwnd, message, wParam, lParam);
        resetItemHeight();
        return result;
    }
    default:
        return passOn(m_hwnd, message, wParam, lParam);
    }
}

void OwnerDrawCombo::draw(const DRAWITEMSTRUCT& item) const {
    const RECT& r = item.rcItem;
    OffscreenDc off(item.hDC, r.right - r.left, r.bottom - r.top);
    HDC dc = off.dc();
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const RECT local{0, 0, r.right - r.left, r.bottom - r.top};
    HGDIOBJ oldFont = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(m_hwnd, WM_GETFONT, 0, 0)));
    ::SetTextColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    fillBox(dc, 0, 0, local.right, local.bottom, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (int(item.itemID) >= 0)
        drawEntry(dc, local, int(item.itemID), selected);
    if (item.itemState & ODS_FOCUS)
        ::DrawFocusRect(dc, &local);
    ::SelectObject(dc, oldFont);
    off.copyTo(item.hDC, r.left, r.top);
}

} // namespace win32::controls
