#include "ui/SpeedButtonLook.h"

#include <algorithm>

namespace ui {

ButtonFrame buttonFrame(TButtonState state) {
    if (isSunken(state))
        return {{core::clWindowFrame, core::clBtnHighlight}, {core::clBtnShadow, core::clBtnFace}};
    return {{core::clBtnHighlight, core::clWindowFrame}, {core::clBtnFace, core::clBtnShadow}};
}

int clampNumGlyphs(int numGlyphs) {
    return std::clamp(numGlyphs, 1, kMaxNumGlyphs);
}

int impliedNumGlyphs(int glyphWidth, int glyphHeight) {
    if (glyphWidth <= 0 || glyphHeight <= 0 || glyphWidth % glyphHeight != 0)
        return 0;
    const int n = glyphWidth / glyphHeight;
    return n < 6 ? n : 1;
}

int glyphImageIndex(TButtonState state, int numGlyphs) {
    if (state != TButtonState::Disabled)
        return 0;
    return numGlyphs >= 2 ? 1 : -1;
}

ButtonContent placeButtonContent(int contentWidth, int contentHeight, int glyphWidth, int glyphHeight,
                                 int textWidth, int textHeight, TButtonLayout layout, int margin,
                                 int spacing) {
    const bool horizontal = layout == TButtonLayout::GlyphLeft || layout == TButtonLayout::GlyphRight;
    ButtonContent out;
    int textLeft = 0;
    int textTop = 0;
    if (horizontal) {
        out.glyphTop = (contentHeight - glyphHeight + 1) / 2;
        textTop = (contentHeight - textHeight + 1) / 2;
    } else {
        out.glyphLeft = (contentWidth - glyphWidth + 1) / 2;
        textLeft = (contentWidth - textWidth + 1) / 2;
    }
    const bool noText = textWidth <= 0 || textHeight <= 0;
    const bool noGlyph = glyphWidth <= 0 || glyphHeight <= 0;
    if (noText || noGlyph)
        spacing = 0;
    const int clientAlong = horizontal ? contentWidth : contentHeight;
    const int glyphAlong = horizontal ? glyphWidth : glyphHeight;
    const int textAlong = horizontal ? textWidth : textHeight;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (clientAlong - glyphAlong - textAlong) / 3;
            spacing = margin;
        } else {
            margin = (clientAlong - (glyphAlong + spacing + textAlong) + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (clientAlong - margin - glyphAlong - textAlong) / 2;
    }
    switch (layout) {
    case TButtonLayout::GlyphLeft:
        out.glyphLeft = margin;
        textLeft = margin + glyphWidth + spacing;
        break;
    case TButtonLayout::GlyphRight:
        out.glyphLeft = contentWidth - margin - glyphWidth;
        textLeft = out.glyphLeft - spacing - textWidth;
        break;
    case TButtonLayout::GlyphTop:
        out.glyphTop = margin;
        textTop = margin + glyphHeight + spacing;
        break;
    case TButtonLayout::GlyphBottom:
        out.glyphTop = contentHeight - margin - glyphHeight;
        textTop = out.glyphTop - spacing - textHeight;
        break;
    }
    out.text = {textLeft, textTop, textWidth, textHeight};
    return out;
}

int captionSpace(int buttonWidth, int glyphWidth, TButtonLayout layout, int spacing) {
    int available = buttonWidth - 4;
    if (glyphWidth > 0 && (layout == TButtonLayout::GlyphLeft || layout == TButtonLayout::GlyphRight))
        available -= glyphWidth + std::max(0, spacing);
    return available;
}

} // namespace ui
