#include "win32/platform/BitmapPixels.h"

namespace win32 {

BITMAPINFO topDownBgra(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

std::vector<std::uint32_t> bitmapPixels(HBITMAP bitmap, int width, int height) {
    std::vector<std::uint32_t> pixels(std::size_t(width) * std::size_t(height));
    BITMAPINFO info = topDownBgra(width, height);
    HDC screen = ::GetDC(nullptr);
    if (::GetDIBits(screen, bitmap, 0, UINT(height), pixels.data(), &info, DIB_RGB_COLORS) != height)
        pixels.clear();
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

} // namespace win32
