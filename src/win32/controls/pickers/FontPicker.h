#pragma once

#include "win32/controls/drawing/GlyphBitmap.h"
#include "win32/controls/pickers/OwnerDrawCombo.h"

#include <string>

namespace win32::controls {

// The font picker: the screen's font families that pass its options (ui/FontListFilter.h),
// each once, sorted, a TrueType family with the TrueType glyph before its name. The list is
// filled again when the system says the installed fonts changed: WM_FONTCHANGE goes to top-level
// windows only, so the window that holds the picker passes it on to refresh().
//
// Creating one (owned by the window that holds it):
//     auto picker = std::make_unique<FontPicker>(bar, ids::FontComboBox1, ui::foTrueTypeOnly);
//     picker->OnChange = [this] { FontComboBox1Change(); };
//     layout.add(picker->hwnd(), design.box, design.font);
//     addTooltip(picker->hwnd(), design.hint); // drawing/Tooltip.h
//     ... case WM_FONTCHANGE: picker->refresh();   // in the window's procedure
class FontPicker : public OwnerDrawCombo {
public:
    // Throws core::EResNotFound when a glyph resource is missing.
    FontPicker(HWND parent, int id, unsigned options);

    // The selected family, at most 31 characters; empty when none is selected.
    std::wstring fontName() const;
    // Selects the family of that name (without regard to case), or none, and raises OnChange;
    // nothing when the name is the current one exactly.
    void setFontName(const std::wstring& name);
    // Fills the list again keeping the current family; OnChange when it is no longer there.
    void refresh();

private:
    int itemHeight(int fontHeight) const override;
    void drawEntry(HDC dc, const RECT& r, int index, bool selected) const override;
    void userSelected() override;
    void populate();
    int findFamily(const std::wstring& name) const;

    unsigned m_options;
    GlyphBitmap m_trueTypeGlyph;
    GlyphBitmap m_deviceGlyph;
};

} // namespace win32::controls
