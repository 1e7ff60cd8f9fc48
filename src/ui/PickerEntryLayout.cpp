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

} // namespace

int pickerMinimumItemHeight(int fontHeight) {
    return std::max(kMinimumItemHeight, fontHeight + 1);
}

int fontPickerMinimumItemHeight(int fontHeight, int trueTypeGlyphHeight) {
    return std::max(pickerMinimumItemHeight(fontHeight), trueTypeGlyphHeight - 1);
}

Box colorSwatchBox(const Box& entry, bool displayNames) {
    const int left = entry.left + kSwatchInset;
    const int right = displayNames ? left + kSwatchWidth : entry.right() - kSwatchRightGap;
    const int top = entry.top + kSwatchInset;
    return {left, top, right - left, entry.bottom() - kSwatchInset - top};
}

int colorNameLeft(const Box& entry) {
    return entry.left + kColorNameLeft;
}

FontEntryLayout fontEntryLayout(const Box& entry, int glyphWidth, int glyphHeight) {
    FontEntryLayout layout;
    layout.glyphLeft = entry.left + kGlyphLeft;
    layout.glyphTop = (entry.top + entry.bottom() - glyphHeight) / 2;
    layout.textLeft = entry.left + (glyphWidth > 0 ? glyphWidth : kNoGlyphOffset) + kTextGap;
    return layout;
}

} // namespace ui
