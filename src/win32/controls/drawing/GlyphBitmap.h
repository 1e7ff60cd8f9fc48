#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace win32::controls {

// A glyph from the program's resources as pixels: a strip of equal images side by side whose
// bottom-left pixel's colour is the transparent one.
class GlyphBitmap {
public:
    GlyphBitmap() = default;
    // Throws core::EResNotFound ("Resource NAME not found") when the resource is missing.
    explicit GlyphBitmap(const wchar_t* resourceName);

    bool isNull() const { return m_width <= 0; }
    // The strip's size at 96 dpi.
    int width() const { return m_width; }
    int height() const { return m_height; }

    // Image `index` of `count` at (x, y), each pixel grown to the DPI (dpi::scale): the
    // transparent pixels are left alone.
    void draw(HDC dc, int x, int y, int count, int index, UINT dpi) const;
    // The disabled look of image `index`: its shape (every pixel neither transparent nor white)
    // in highlight one pixel down and right, then in shadow on top.
    void drawEmbossed(HDC dc, int x, int y, int count, int index, COLORREF highlight, COLORREF shadow,
                      UINT dpi) const;

private:
    std::uint32_t pixel(int x, int y) const {
        return m_pixels[std::size_t(y) * std::size_t(m_width) + std::size_t(x)];
    }
    // Pixel (col, row) of the image at (x, y), as the block it covers at the DPI.
    static void fillPixel(HDC dc, int x, int y, int col, int row, COLORREF color, UINT dpi);
    bool inShape(std::uint32_t p) const { return p != m_transparent && (p & 0xFFFFFFu) != 0xFFFFFFu; }

    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_pixels; // 0x00RRGGBB, top row first
    std::uint32_t m_transparent = 0;
};

} // namespace win32::controls
