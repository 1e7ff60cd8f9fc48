#pragma once

#include "core/Colors.h"
#include "ui/ControlDesign.h"

// What a speed button shows, apart from how a toolkit draws it: its states, the colours of its
// frame, the number of images in its glyph and where glyph and caption go.
namespace ui {

enum class TButtonState { Up, Disabled, Pressed, Latched };
enum class TButtonLayout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };

// The two one-pixel rings of the frame, outer then inner, as system colours; the content area
// lies 2 pixels inside. Pressed and Latched are sunken; their content is drawn one pixel right
// and down.
struct FrameRing {
    core::TColor topLeft;
    core::TColor bottomRight;
};
struct ButtonFrame {
    FrameRing outer;
    FrameRing inner;
};
ButtonFrame buttonFrame(TButtonState state);
constexpr bool isSunken(TButtonState state) {
    return state == TButtonState::Pressed || state == TButtonState::Latched;
}

// The latched background: highlight where x and y are both even or both odd, button face
// elsewhere, repeating every 8 pixels from the button's top left.
constexpr core::TColor latchedPatternColor(int x, int y) {
    return (x % 2 == y % 2) ? core::clBtnHighlight : core::clBtnFace;
}

inline constexpr int kMaxNumGlyphs = 5;

// 1 to 5; values above 5 are taken as 5, below 1 as 1.
int clampNumGlyphs(int numGlyphs);

// The image count a newly assigned glyph implies: width / height when the width is a whole
// multiple of the height and that is below 6, else 1. 0 when the size implies nothing (empty,
// or not a whole multiple), so the count stays as it was.
int impliedNumGlyphs(int glyphWidth, int glyphHeight);

// The image of the glyph strip drawn in a state, or -1 for the embossed form of image 0.
int glyphImageIndex(TButtonState state, int numGlyphs);

// The content of a button: glyph and caption placed in a content area `contentWidth` x
// `contentHeight`; positions relative to the content area's top left. margin -1 centres the
// two; spacing -1 spreads them evenly. An empty glyph or caption has size 0 x 0.
struct ButtonContent {
    int glyphLeft = 0;
    int glyphTop = 0;
    Box text;
};
ButtonContent placeButtonContent(int contentWidth, int contentHeight, int glyphWidth, int glyphHeight,
                                 int textWidth, int textHeight, TButtonLayout layout, int margin,
                                 int spacing);

// The width a caption may take in a button `buttonWidth` wide: the content area, less the glyph
// and the spacing when they stand beside it (glyphWidth 0: no glyph).
int captionSpace(int buttonWidth, int glyphWidth, TButtonLayout layout, int spacing);

} // namespace ui
