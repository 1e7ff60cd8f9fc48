#include "win32/windows/PlaceFieldEdits.h"

#include "win32/platform/Text1252.h"

std::string PlaceFieldEdits::fieldText(int field) const {
    return win32::text1252::windowText(edits.at(std::size_t(field)));
}

void PlaceFieldEdits::setFieldText(int field, const std::string& text) {
    // A new text leaves the caret at its beginning, so a text wider than the field shows that.
    win32::text1252::setWindowText(edits.at(std::size_t(field)), text);
}

void PlaceFieldEdits::setFieldVisible(int field, bool visible) {
    // Only a change: ShowWindow costs a move of the window even when nothing changes.
    const HWND edit = edits.at(std::size_t(field));
    if (bool(::IsWindowVisible(edit)) != visible)
        ::ShowWindow(edit, visible ? SW_SHOWNA : SW_HIDE);
}
