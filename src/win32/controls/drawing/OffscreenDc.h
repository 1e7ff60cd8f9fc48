#pragma once

#include <windows.h>

namespace win32::controls {

// A memory device context with a bitmap of the given size, compatible with `target`; what is
// drawn into it reaches the target in one copy (copyTo), so a control never flickers.
class OffscreenDc {
public:
    OffscreenDc(HDC target, int width, int height);
    ~OffscreenDc();
    OffscreenDc(const OffscreenDc&) = delete;
    OffscreenDc& operator=(const OffscreenDc&) = delete;

    HDC dc() const { return m_dc; }
    void copyTo(HDC target, int x, int y) const;

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
    int m_width;
    int m_height;
};

// Fills a rectangle with a colour value (system colours resolved).
void fillBox(HDC dc, int left, int top, int width, int height, COLORREF color);

// A one-pixel 3-D ring along the edge of r: the top and left lines in one colour, the bottom
// and right lines (which own the top-right and bottom-left corners) in the other.
void drawFrameRing(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight);

} // namespace win32::controls
