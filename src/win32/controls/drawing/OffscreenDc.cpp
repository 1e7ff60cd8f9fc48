#include "win32/controls/drawing/OffscreenDc.h"

namespace win32::controls {

OffscreenDc::OffscreenDc(HDC target, int width, int height)
    : m_dc(::CreateCompatibleDC(target))
    , m_bitmap(::CreateCompatibleBitmap(target, width > 0 ? width : 1, height > 0 ? height : 1))
    , m_old(::SelectObject(m_dc, m_bitmap))
    , m_width(width)
    , m_height(height) {}

OffscreenDc::~OffscreenDc() {
    ::SelectObject(m_dc, m_old);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_dc);
}

void OffscreenDc::copyTo(HDC target, int x, int y) const {
    ::BitBlt(target, x, y, m_width, m_height, m_dc, 0, 0, SRCCOPY);
}

void fillBox(HDC dc, int left, int top, int width, int height, COLORREF color) {
    if (width <= 0 || height <= 0)
        return;
    const RECT r{left, top, left + width, top + height};
    // ExtTextOut with an opaque rectangle fills without making a brush.
    ::SetBkColor(dc, color);
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void drawFrameRing(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (width <= 0 || height <= 0)
        return;
    fillBox(dc, r.left, r.top, width - 1, 1, topLeft);
    fillBox(dc, r.left, r.top, 1, height - 1, topLeft);
    fillBox(dc, r.right - 1, r.top, 1, height, bottomRight);
    fillBox(dc, r.left, r.bottom - 1, width, 1, bottomRight);
}

} // namespace win32::controls
