#include "win32/controls/pickers/ColorPicker.h"

#include "ui/PickerEntryLayout.h"
#include "ui/StandardColors.h"
#include "win32/controls/drawing/OffscreenDc.h"
#include "win32/platform/Dpi.h"
#include "win32/platform/SystemColors.h"
#include "win32/platform/Text1252.h"

#include <string>

namespace win32::controls {

using core::TColor;

namespace {

TColor plainRgb(COLORREF c) {
    return core::rgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

} // namespace

ColorPicker::ColorPicker(HWND parent, int id) {
    create(parent, id, 0);
    for (const ui::NamedColor& named : ui::standardColors()) {
        const std::wstring name = text1252::toWide(named.name);
        const auto index = ::SendMessageW(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        ::SendMessageW(hwnd(), CB_SETITEMDATA, WPARAM(index), LPARAM(named.value));
    }
    ::SendMessageW(hwnd(), CB_SETCURSEL, WPARAM(ui::standardColorIndex(m_color)), 0);
}

void ColorPicker::setColorValue(TColor color) {
    if (selectedIndex() >= 0 && color == m_color)
        return;
    m_color = color;
    const int index = ui::standardColorIndex(color);
    if (index != selectedIndex())
        ::SendMessageW(hwnd(), CB_SETCURSEL, WPARAM(index), 0);
    change();
}

void ColorPicker::userSelected() {
    const int index = selectedIndex();
    if (index >= 0)
        setColorValue(TColor(::SendMessageW(hwnd(), CB_GETITEMDATA, WPARAM(index), 0)));
}

int ColorPicker::itemHeight(int fontHeight) const {
    return ui::pickerMinimumItemHeight(fontHeight);
}

void ColorPicker::drawEntry(HDC dc, const RECT& r, int index, bool selected) const {
    const auto color = TColor(::SendMessageW(hwnd(), CB_GETITEMDATA, WPARAM(index), 0));
    const ui::Box entry{r.left, r.top, r.right - r.left, r.bottom - r.top};
    const int dpi = int(dpi::forWindow(hwnd()));
    const ui::Box swatch = ui::colorSwatchBox(entry, true, dpi);
    const COLORREF drawn = resolveColor(color);
    const TColor border = ui::swatchBorder(plainRgb(drawn), selected);
    fillBox(dc, swatch.left, swatch.top, swatch.width, swatch.height, resolveColor(border));
    fillBox(dc, swatch.left + 1, swatch.top + 1, swatch.width - 2, swatch.height - 2, drawn);

    const std::wstring name = entryText(index);
    RECT text{ui::colorNameLeft(entry, dpi), r.top, r.right, r.bottom};
    ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextW(dc, name.c_str(), int(name.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

} // namespace win32::controls
