#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace win32::controls {

// What the two pickers share: a system COMBOBOX (CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED |
// CBS_HASSTRINGS, so CB_GETLBTEXT reads its entries from any process) that draws its entries
// itself and tells of a new value through OnChange, raised for the user's choice and for a
// value set from code alike. The combo's parent passes the combo's notifications back to it
// (Reflect.h; the command bar does).
class OwnerDrawCombo {
public:
    virtual ~OwnerDrawCombo() = default;
    HWND hwnd() const { return m_hwnd; }
    std::function<void()> OnChange;

protected:
    // Creates the window and hands its messages to this object.
    void create(HWND parent, int id, DWORD extraStyle);
    void change() const;
    int selectedIndex() const;
    std::wstring entryText(int index) const;
    // The item height follows the control's font: its height + 1, at least 9 (drawItemHeight).
    virtual int itemHeight(int fontHeight) const = 0;
    virtual void drawEntry(HDC dc, const RECT& r, int index, bool selected) const = 0;
    // The user chose an entry.
    virtual void userSelected() = 0;
    virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void resetItemHeight();

private:
    template <class Owner>
    friend LRESULT CALLBACK guardedSubclassProc(HWND, UINT, WPARAM, LPARAM) noexcept;
    void windowDestroyed() {}
    void draw(const DRAWITEMSTRUCT& item) const;
    void fitDropDown() const;

    HWND m_hwnd = nullptr;
};

} // namespace win32::controls
