#include "qt/controls/caption/GradientFill.h"

#include <QColor>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

QColor toQColor(core::TColor c) {
    return QColor(core::redOf(c), core::greenOf(c), core::blueOf(c));
}

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

void gradientFill(QPainter& painter, const QRect& r, core::TColor start, core::TColor end, int steps) {
    if (r.isEmpty())
        return;
    if (steps < 2) {
        painter.fillRect(r, toQColor(start));
        return;
    }
    const int k = std::max(2, std::min(steps, r.width()));
    const int band = r.width() / k;
    if (band > 0) {
        for (int i = 0; i < k; ++i)
            painter.fillRect(r.left() + i * band, r.top(), band, r.height(),
                             toQColor(gradientBandColor(start, end, i, k)));
    }
    const int rest = r.width() % k;
    if (rest > 0)
        painter.fillRect(r.right() - rest + 1, r.top(), rest, r.height(), toQColor(end));
}
