#pragma once

#include "core/Colors.h"
#include "win32/controls/pickers/OwnerDrawCombo.h"

namespace win32::controls {

// The colour picker: the sixteen standard colours in table order, each a swatch and its name.
//
// Creating one (owned by the window that holds it):
//     auto picker = std::make_unique<ColorPicker>(bar, ids::ColorComboBox1);
//     picker->OnChange = [this] { ColorComboBox1Change(); };
//     layout.add(picker->hwnd(), design.box, design.font);
//     addTooltip(picker->hwnd(), design.hint); // drawing/Tooltip.h
class ColorPicker : public OwnerDrawCombo {
public:
    // Lists the colours with Black selected.
    ColorPicker(HWND parent, int id);

    core::TColor colorValue() const { return m_color; }
    // Selects the entry of exactly that colour, or none (the value is kept all the same), and
    // raises OnChange; nothing when an entry is selected and the colour is the current one.
    void setColorValue(core::TColor color);

private:
    int itemHeight(int fontHeight) const override;
    void drawEntry(HDC dc, const RECT& r, int index, bool selected) const override;
    void userSelected() override;

    core::TColor m_color = core::clBlack;
};

} // namespace win32::controls
