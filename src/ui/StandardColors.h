#pragma once

#include "core/Colors.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The colour picker's sixteen colours with their names, and the names of colour values.
namespace ui {

struct NamedColor {
    core::TColor value;
    std::string_view name;
};

inline constexpr std::size_t kStandardColorCount = 16;

// Black, Maroon, Green, Olive, Navy, Purple, Teal, Gray, Silver, Red, Lime, Yellow, Blue,
// Fuchsia, Aqua, White: the picker's entries in list order.
const std::array<NamedColor, kStandardColorCount>& standardColors();

// The index of the first standard colour equal to `color` exactly, or -1.
int standardColorIndex(core::TColor color);

// A colour's name: its identifier without the leading "cl" ("Red", "BtnFace") for the standard
// and the system colours, otherwise "$" and eight lower-case hexadecimal digits.
std::string colorName(core::TColor color);

// A colour typed as a number: decimal with an optional sign (a 32-bit signed value), or
// hexadecimal after "$" or "0x" (all 32 bits). Nothing for any other text.
std::optional<core::TColor> parseColorNumber(std::string_view text);

// The outline of a colour's swatch, from the colour as plain RGB (system colours resolved):
// black when its red, green or blue is above 192, else white when the entry is selected and the
// colour itself when it is not.
core::TColor swatchBorder(core::TColor plainColor, bool selected);

} // namespace ui
