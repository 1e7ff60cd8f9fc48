#include "ui/FontListFilter.h"

namespace ui {

unsigned fontEntryType(const FontFamilyFacts& family) {
    return family.charset == kSymbolCharset ? family.fontType : family.fontType | WritableFontFlag;
}

bool passesFontFilter(const FontFamilyFacts& family, unsigned options) {
    const auto wants = [options](TFontListOption option) {
        return (options & option) != 0;
    };
    if (wants(foAnsiOnly) && family.charset != kAnsiCharset)
        return false;
    if (wants(foTrueTypeOnly) && !(family.fontType & TrueTypeFontType))
        return false;
    if (wants(foFixedPitchOnly) && !(family.pitchAndFamily & kFixedPitch))
        return false;
    if (wants(foOEMFontsOnly) && family.charset != kOemCharset)
        return false;
    if (wants(foNoOEMFonts) && family.charset == kOemCharset)
        return false;
    if (wants(foScalableOnly) && (family.fontType & RasterFontType))
        return false;
    if (wants(foNoSymbolFonts) && family.charset == kSymbolCharset)
        return false;
    return true;
}

FontGlyph fontEntryGlyph(unsigned entryType) {
    if (entryType & TrueTypeFontType)
        return FontGlyph::TrueType;
    if (entryType & DeviceFontType)
        return FontGlyph::Device;
    return FontGlyph::None;
}

} // namespace ui
