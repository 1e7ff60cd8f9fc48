#include "win32/controls/drawing/GlyphBitmap.h"

#include "core/Exception.h"
#include "win32/controls/drawing/OffscreenDc.h"
#include "win32/platform/BitmapPixels.h"
#include "win32/platform/Dpi.h"
#include "win32/platform/Window.h"

#include <string>

namespace win32::controls {

namespace {

std::string narrow(const wchar_t* name) {
    std::string out;
    for (; *name; ++name)
        out += char(*name);
    return out;
}

} // namespace

GlyphBitmap::GlyphBitmap(const wchar_t* resourceName) {
    auto* bitmap = static_cast<HBITMAP>(
        ::LoadImageW(programInstance(), resourceName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap)
        throw core::EResNotFound("Resource " + narrow(resourceName) + " not found");
    BITMAP info{};
    ::GetObjectW(bitmap, sizeof info, &info);
    m_width = info.bmWidth;
    m_height = info.bmHeight;
    m_pixels = bitmapPixels(bitmap, m_width, m_height);
    ::DeleteObject(bitmap);
    for (auto& p : m_pixels)
        p &= 0xFFFFFFu;
    if (!m_pixels.empty())
        m_transparent = pixel(0, m_height - 1);
}

void GlyphBitmap::fillPixel(HDC dc, int x, int y, int col, int row, COLORREF color, UINT dpi) {
    const int left = dpi::scale(col, dpi);
    const int top = dpi::scale(row, dpi);
    fillBox(dc, x + left, y + top, dpi::scale(col + 1, dpi) - left, dpi::scale(row + 1, dpi) - top, color);
}

void GlyphBitmap::draw(HDC dc, int x, int y, int count, int index, UINT dpi) const {
    const int w = count > 0 ? m_width / count : 0;
    for (int row = 0; row < m_height; ++row)
        for (int col = 0; col < w; ++col) {
            const std::uint32_t p = pixel(index * w + col, row);
            if (p != m_transparent)
                fillPixel(dc, x, y, col, row, RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF), dpi);
        }
}

void GlyphBitmap::drawEmbossed(HDC dc, int x, int y, int count, int index, COLORREF highlight,
                               COLORREF shadow, UINT dpi) const {
    const int w = count > 0 ? m_width / count : 0;
    for (int row = 0; row + 1 < m_height; ++row)
        for (int col = 0; col + 1 < w; ++col)
            if (inShape(pixel(index * w + col, row)))
                fillPixel(dc, x, y, col + 1, row + 1, highlight, dpi);
    for (int row = 0; row < m_height; ++row)
        for (int col = 0; col < w; ++col)
            if (inShape(pixel(index * w + col, row)))
                fillPixel(dc, x, y, col, row, shadow, dpi);
}

} // namespace win32::controls
