#include "ui/PickerEntryLayout.h"

#include <algorithm>

namespace ui {

namespace {

constexpr int kMinimumItemHeight = 9;
constexpr int kSwatchInset = 2;
constexpr int kSwatchWidth = 22;
constexpr int kSwatchRightGap = 3;
constexpr int kColorNameLeft = 28;
constexpr int kGlyphLeft = 2;
constexpr int kNoGlyphOffset = 20;
constexpr int kTextGap = 6;

// Rounded half away from zero, as the system's MulDiv.
int scaled(int pixels, int dpi) {
    return (pixels * dpi + kLayoutDpi / 2) / kLayoutDpi;
}

} // namespace

int pickerMinimumItemHeight(int fontHeight) {
    return std::max(kMinimumItemHeight, fontHeight + 1);
}

int fontPickerMinimumItemHeight(int fontHeight, int trueTypeGlyphHeight) {
    return std::max(pickerMinimumItemHeight(fontHeight), trueTypeGlyphHeight - 1);
}

Box colorSwatchBox(const Box& entry, bool displayNames, int dpi) {
    const int inset = scaled(kSwatchInset, dpi);
    const int left = entry.left + inset;
    const int right =
        displayNames ? left + scaled(kSwatchWidth, dpi) : entry.right() - scaled(kSwatchRightGap, dpi);
    const int top = entry.top + inset;
    return {left, top, right - left, entry.bottom() - inset - top};
}

int colorNameLeft(const Box& entry, int dpi) {
    return entry.left + scaled(kColorNameLeft, dpi);
}

FontEntryLayout fontEntryLayout(const Box& entry, int glyphWidth, int glyphHeight, int dpi) {
    FontEntryLayout layout;
    layout.glyphLeft = entry.left + scaled(kGlyphLeft, dpi);
    layout.glyphTop = (entry.top + entry.bottom() - glyphHeight) / 2;
    layout.textLeft =
        entry.left + (glyphWidth > 0 ? glyphWidth : scaled(kNoGlyphOffset, dpi)) + scaled(kTextGap, dpi);
    return layout;
}

} // namespace ui
