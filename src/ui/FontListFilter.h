#pragma once

#include <cstdint>

// Which font families the font picker lists, from what the system's enumeration reports of each.
namespace ui {

enum TFontDevice { fdScreen, fdPrinter, fdBoth };

enum TFontListOption : unsigned {
    foAnsiOnly = 0x01,
    foTrueTypeOnly = 0x02,
    foFixedPitchOnly = 0x04,
    foNoOEMFonts = 0x08,
    foOEMFontsOnly = 0x10,
    foScalableOnly = 0x20,
    foNoSymbolFonts = 0x40,
};

// The font type bits an enumeration reports, and the flag the picker adds for a family that can
// draw its own name.
enum FontType : unsigned {
    RasterFontType = 1,
    DeviceFontType = 2,
    TrueTypeFontType = 4,
    WritableFontFlag = 256
};

// Character sets and the pitch bit as the enumeration reports them.
inline constexpr std::uint8_t kAnsiCharset = 0;
inline constexpr std::uint8_t kDefaultCharset = 1;
inline constexpr std::uint8_t kSymbolCharset = 2;
inline constexpr std::uint8_t kOemCharset = 255;
inline constexpr std::uint8_t kFixedPitch = 1;

struct FontFamilyFacts {
    unsigned fontType = 0; // RasterFontType, DeviceFontType, TrueTypeFontType bits
    std::uint8_t charset = kAnsiCharset;
    std::uint8_t pitchAndFamily = 0;
};

// At most this many characters of a family name are the picker's FontName.
inline constexpr int kMaxFontNameLength = 31;

// The type word a list entry carries: the reported type, plus WritableFontFlag unless the family
// has the symbol character set.
unsigned fontEntryType(const FontFamilyFacts& family);

// Whether the family passes every option set in `options` (TFontListOption bits).
bool passesFontFilter(const FontFamilyFacts& family, unsigned options);

// The glyph drawn before an entry: the TrueType glyph, the device glyph, or none.
enum class FontGlyph { None, TrueType, Device };
FontGlyph fontEntryGlyph(unsigned entryType);

} // namespace ui
