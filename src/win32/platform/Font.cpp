#include "win32/platform/Font.h"

#include "win32/platform/Dpi.h"
#include "win32/platform/Text1252.h"

#include <algorithm>
#include <utility>

namespace win32 {

Font::Font(const ui::FontDesign& design, UINT dpi)
    : Font(design.family, design.pixelHeight, design.style, dpi) {}

Font::Font(std::string_view family, int pixelHeight, unsigned style, UINT dpi) {
    LOGFONTW lf{};
    // A negative height is the character height, without the internal leading: 11 px is 8 pt.
    lf.lfHeight = -dpi::scale(pixelHeight, dpi);
    lf.lfWeight = (style & ui::fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style & ui::fsItalic) ? TRUE : FALSE;
    lf.lfUnderline = (style & ui::fsUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (style & ui::fsStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::wstring name = text1252::toWide(family.substr(0, LF_FACESIZE - 1));
    std::copy(name.begin(), name.end(), lf.lfFaceName);
    m_font = ::CreateFontIndirectW(&lf);
}

Font::~Font() {
    if (m_font)
        ::DeleteObject(m_font);
}

Font::Font(Font&& other) noexcept
    : m_font(std::exchange(other.m_font, nullptr)) {}

Font& Font::operator=(Font&& other) noexcept {
    if (this != &other) {
        if (m_font)
            ::DeleteObject(m_font);
        m_font = std::exchange(other.m_font, nullptr);
    }
    return *this;
}

} // namespace win32
