#pragma once

#include "core/Colors.h"

#include <string>

namespace ui {

// The display targets, in the order every preference step visits them: the place fields
// Edit1..Edit10 (0..9), the country list, and the country label last (it takes the font name
// only).
inline constexpr int kDisplayTargetCount = 12;
inline constexpr int kCountryListTarget = 10;
inline constexpr int kCountryLabelTarget = 11;

// What the display preferences' steps see of a main window: the three controls that hold the
// preferences and the targets that show them. Font names are Windows-1252 bytes.
class DisplayPreferencesView {
public:
    virtual ~DisplayPreferencesView() = default;

    // The font picker (FontComboBox1): setting a name selects the entry of that name, or none,
    // and raises the picker's change notification when the name differs from its text.
    virtual void setFontPickerName(const std::string& name) = 0;
    virtual std::string fontPickerName() const = 0; // empty: no entry selected
    // The bold toggle (SpeedItem6): setting its state raises no click.
    virtual void setBoldToggleDown(bool down) = 0;
    virtual bool boldToggleDown() const = 0;
    // The colour picker (ColorComboBox1): setting a value raises its change notification when
    // the value differs from its colour or no entry is selected.
    virtual void setColorPickerValue(core::TColor color) = 0;
    virtual core::TColor colorPickerValue() const = 0;

    // A target's font name (never empty), its whole style set as {bold} or {}, its text colour.
    virtual void setTargetFontName(int target, const std::string& name) = 0;
    virtual void setTargetBold(int target, bool bold) = 0;
    virtual void setTargetColor(int target, core::TColor color) = 0;
};

} // namespace ui
