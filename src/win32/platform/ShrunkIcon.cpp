#include "win32/platform/ShrunkIcon.h"

#include "win32/platform/BitmapPixels.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace win32 {

namespace {

// How much of source cell i lies in target cell t when n source cells map onto m target ones.
double overlap(int i, int t, int n, int m) {
    const double step = double(n) / m;
    const double lo = std::max(double(i), t * step);
    const double hi = std::min(double(i + 1), (t + 1) * step);
    return std::max(0.0, hi - lo);
}

// The picture averaged down to size x size, colours weighted by their opacity so that
// transparent pixels do not darken the edge, and its AND mask: a pixel less than half opaque is
// transparent.
struct Shrunk {
    std::vector<std::uint32_t> color;
    std::vector<BYTE> andMask;
    int maskBytesPerRow = 0;
};

Shrunk averagedDown(const std::vector<std::uint32_t>& color, const std::vector<std::uint32_t>& mask, int w,
                    int h, int size) {
    Shrunk out;
    out.color.assign(std::size_t(size) * std::size_t(size), 0);
    out.maskBytesPerRow = (size + 15) / 16 * 2;
    out.andMask.assign(std::size_t(out.maskBytesPerRow) * std::size_t(size), 0);
    for (int ty = 0; ty < size; ++ty)
        for (int tx = 0; tx < size; ++tx) {
            double a = 0, r = 0, g = 0, b = 0, area = 0;
            for (int y = ty * h / size; y < h && y <= (ty + 1) * h / size; ++y)
                for (int x = tx * w / size; x < w && x <= (tx + 1) * w / size; ++x) {
                    const double weight = overlap(x, tx, w, size) * overlap(y, ty, h, size);
                    const std::uint32_t c = color[std::size_t(y) * w + x];
                    const double opaque = (mask[std::size_t(y) * w + x] & 0xFFFFFF) ? 0.0 : 1.0;
                    area += weight;
                    a += weight * opaque;
                    b += weight * opaque * (c & 0xFF);
                    g += weight * opaque * ((c >> 8) & 0xFF);
                    r += weight * opaque * ((c >> 16) & 0xFF);
                }
            std::uint32_t pixel = 0;
            if (a > 0)
                pixel = std::uint32_t(a / area * 255 + 0.5) << 24 | std::uint32_t(r / a + 0.5) << 16 |
                        std::uint32_t(g / a + 0.5) << 8 | std::uint32_t(b / a + 0.5);
            out.color[std::size_t(ty) * size + tx] = pixel;
            if (a / area < 0.5)
                out.andMask[std::size_t(ty) * out.maskBytesPerRow + tx / 8] |= BYTE(0x80 >> (tx % 8));
        }
    return out;
}

// An icon of those pixels; nullptr when the system cannot make one.
HICON iconOf(const Shrunk& shrunk, int size) {
    const BITMAPINFO info = topDownBgra(size, size);
    void* bits = nullptr;
    HBITMAP colorBitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HBITMAP maskBitmap = ::CreateBitmap(size, size, 1, 1, shrunk.andMask.data());
    HICON icon = nullptr;
    if (colorBitmap && maskBitmap) {
        std::copy(shrunk.color.begin(), shrunk.color.end(), static_cast<std::uint32_t*>(bits));
        ICONINFO made{TRUE, 0, 0, maskBitmap, colorBitmap};
        icon = ::CreateIconIndirect(&made);
    }
    if (colorBitmap)
        ::DeleteObject(colorBitmap);
    if (maskBitmap)
        ::DeleteObject(maskBitmap);
    return icon;
}

} // namespace

HICON shrinkIcon(HICON icon, int size) {
    ICONINFO parts{};
    if (!::GetIconInfo(icon, &parts))
        return nullptr;
    HICON result = nullptr;
    BITMAP colorInfo{};
    if (parts.hbmColor && ::GetObjectW(parts.hbmColor, sizeof colorInfo, &colorInfo) && size > 0 &&
        size < colorInfo.bmWidth) {
        const int w = colorInfo.bmWidth;
        const int h = colorInfo.bmHeight;
        const std::vector<std::uint32_t> color = bitmapPixels(parts.hbmColor, w, h);
        const std::vector<std::uint32_t> mask = bitmapPixels(parts.hbmMask, w, h);
        if (!color.empty() && !mask.empty())
            result = iconOf(averagedDown(color, mask, w, h, size), size);
    }
    if (parts.hbmColor)
        ::DeleteObject(parts.hbmColor);
    if (parts.hbmMask)
        ::DeleteObject(parts.hbmMask);
    return result;
}

} // namespace win32
