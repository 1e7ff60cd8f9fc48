#include "Screen.h"

#include "Checks.h"

namespace wintest {

template <typename Draw> void ScreenImage::capture(Draw draw) {
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = m_width;
    info.bmiHeader.biHeight = -m_height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) {
        ::DeleteDC(memory);
        ::ReleaseDC(nullptr, screen);
        throw Failure("cannot make a bitmap");
    }
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    draw(memory, screen);
    ::GdiFlush();
    const auto* bgra = static_cast<const unsigned char*>(bits);
    m_pixels.resize(std::size_t(m_width) * std::size_t(m_height));
    for (std::size_t i = 0; i < m_pixels.size(); ++i)
        m_pixels[i] = RGB(bgra[4 * i + 2], bgra[4 * i + 1], bgra[4 * i]);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
}

ScreenImage::ScreenImage(const RECT& area)
    : m_width(area.right - area.left)
    , m_height(area.bottom - area.top) {
    capture([&](HDC memory, HDC screen) {
        ::BitBlt(memory, 0, 0, m_width, m_height, screen, area.left, area.top, SRCCOPY);
    });
}

ScreenImage ScreenImage::drawIcon(HICON icon, int size, COLORREF background) {
    ScreenImage image(size, size);
    image.capture([&](HDC memory, HDC) {
        HBRUSH brush = ::CreateSolidBrush(background);
        const RECT all{0, 0, size, size};
        ::FillRect(memory, &all, brush);
        ::DeleteObject(brush);
        ::DrawIconEx(memory, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    });
    return image;
}

COLORREF ScreenImage::pixel(int x, int y) const {
    return m_pixels[std::size_t(y) * std::size_t(m_width) + std::size_t(x)];
}

} // namespace wintest
