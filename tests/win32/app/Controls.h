#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Another process's controls, reached by control ID and standard messages only.
namespace wintest {

// The child window with that control ID at any depth below `top`; throws when there is none.
HWND control(HWND top, int id);
std::wstring text(HWND window);
void setText(HWND window, const std::wstring& text);
bool enabled(HWND window);
bool visible(HWND window); // the window's own style, whatever its parents'
// BM_CLICK, handled before this returns; for a click that opens a modal box use startClick.
void click(HWND button);
void startClick(HWND button);
bool checked(HWND button);
// A left click at that point of the window's client area, as the mouse gives it.
void clickAt(HWND window, POINT point);

std::vector<std::wstring> listEntries(HWND list);
int listSelection(HWND list);
// Selects the entry as a user does: LB_SETCURSEL, then LBN_SELCHANGE to the list's parent.
void selectListEntry(HWND list, int index);

std::vector<std::wstring> comboEntries(HWND combo);
int comboSelection(HWND combo);
// CB_SETCURSEL, then CBN_SELCHANGE to the combo box's parent.
void selectComboEntry(HWND combo, int index);

} // namespace wintest
