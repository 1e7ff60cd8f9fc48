#include "win32/windows/PlaceFieldEdits.h"

#include "win32/platform/Text1252.h"

std::string PlaceFieldEdits::fieldText(int field) const {
    return win32::text1252::windowText(edits.at(std::size_t(field)));
}

void PlaceFieldEdits::setFieldText(int field, const std::string& text) {
    const HWND edit = edits.at(std::size_t(field));
    win32::text1252::setWindowText(edit, text);
    // A text wider than the field shows its beginning.
    ::SendMessageW(edit, EM_SETSEL, 0, 0);
}

void PlaceFieldEdits::setFieldVisible(int field, bool visible) {
    ::ShowWindow(edits.at(std::size_t(field)), visible ? SW_SHOWNA : SW_HIDE);
}
