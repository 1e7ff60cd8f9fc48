#pragma once

#include "ui/ControlDesign.h"

// Where the pickers draw the parts of one list entry, from the entry's rectangle (pixels, right
// and bottom exclusive). The distances are those at 96 dots per inch, scaled by `dpi` where a
// front end draws in device pixels.
namespace ui {

inline constexpr int kLayoutDpi = 96;

// The smallest height of a picker's list entry: the font's height + 1, at least 9.
int pickerMinimumItemHeight(int fontHeight);
// The font picker's: also at least the TrueType glyph's height - 1.
int fontPickerMinimumItemHeight(int fontHeight, int trueTypeGlyphHeight);

// The colour picker: the swatch, 2 pixels in from the left, top and bottom; 22 pixels wide when
// the name is shown beside it, else up to 3 pixels before the right edge.
Box colorSwatchBox(const Box& entry, bool displayNames, int dpi = kLayoutDpi);
// Where the colour's name starts.
int colorNameLeft(const Box& entry, int dpi = kLayoutDpi);

// The font picker: the glyph's top left (glyphs are drawn vertically centred, 2 pixels in) and
// where the family name starts: 6 pixels after the glyph, or after 20 pixels without one.
struct FontEntryLayout {
    int glyphLeft = 0;
    int glyphTop = 0;
    int textLeft = 0;
};
// glyphWidth 0: the entry has no glyph.
FontEntryLayout fontEntryLayout(const Box& entry, int glyphWidth, int glyphHeight, int dpi = kLayoutDpi);

} // namespace ui
