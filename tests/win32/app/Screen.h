#pragma once

#include <windows.h>

#include <vector>

namespace wintest {

// Pixels of a screen rectangle as they are now, or of a drawing of our own.
class ScreenImage {
public:
    explicit ScreenImage(const RECT& area);
    // An icon drawn at that size on that background colour.
    static ScreenImage drawIcon(HICON icon, int size, COLORREF background);

    int width() const { return m_width; }
    int height() const { return m_height; }
    COLORREF pixel(int x, int y) const; // within the rectangle, from its top left

private:
    ScreenImage(int width, int height)
        : m_width(width)
        , m_height(height) {}
    // Runs draw on a memory DC of this image's size, then keeps its pixels.
    template <typename Draw> void capture(Draw draw);

    int m_width = 0;
    int m_height = 0;
    std::vector<COLORREF> m_pixels;
};

} // namespace wintest
