#include "ui/GradientBands.h"

#include <algorithm>
#include <cstdlib>

namespace ui {

namespace {

int channelAt(int start, int end, int i, int k) {
    return std::clamp(start + mulDivRounded(i, end - start, k - 1), 0, 255);
}

} // namespace

int mulDivRounded(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long magnitude = (std::llabs(product) * 2 + std::llabs(c)) / (2 * std::llabs(c));
    const bool negative = (product < 0) != (c < 0);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

core::TColor gradientBandColor(core::TColor start, core::TColor end, int i, int k) {
    return core::rgb(std::uint8_t(channelAt(core::redOf(start), core::redOf(end), i, k)),
                     std::uint8_t(channelAt(core::greenOf(start), core::greenOf(end), i, k)),
                     std::uint8_t(channelAt(core::blueOf(start), core::blueOf(end), i, k)));
}

std::vector<GradientBand> gradientBands(const Box& r, core::TColor start, core::TColor end, int steps) {
    if (r.width <= 0 || r.height <= 0)
        return {};
    if (steps < 2)
        return {{r, start}};
    const int k = std::max(2, std::min(steps, r.width));
    const int band = r.width / k;
    std::vector<GradientBand> bands;
    if (band > 0) {
        bands.reserve(std::size_t(k) + 1);
        for (int i = 0; i < k; ++i)
            bands.push_back(
                {{r.left + i * band, r.top, band, r.height}, gradientBandColor(start, end, i, k)});
    }
    if (const int rest = r.width % k; rest > 0)
        bands.push_back({{r.right() - rest, r.top, rest, r.height}, end});
    return bands;
}

} // namespace ui
