#include "ui/SnapGrid.h"

#include <algorithm>
#include <cstdint>

int snapStep(int length) {
    if (length <= 1)
        return 1;
    int s = std::max(1, std::min(8, length / 3));
    while (length % s != 0)
        ++s;
    if (s == length) {
        --s;
        while (s > 1 && length % s != 0)
            --s;
    }
    return s;
}

int snapAlong(int position, int offset, int step) {
    if (step <= 0)
        return position;
    const int d = position - offset;
    int q = d / step;
    int r = d % step;
    if (r < 0) { // floor division
        r += step;
        --q;
    }
    if (2 * r > step || (2 * r == step && q % 2 != 0))
        ++q;
    return offset + q * step;
}

int snapAcross(int position, int offset, int step) {
    if (step <= 0)
        return position;
    return offset + (position - offset) / step * step;
}

int scaleRounded(int value, int numerator, int denominator) {
    if (denominator == 0)
        return value;
    const std::int64_t p = std::int64_t(value) * numerator;
    const std::int64_t half = std::abs(std::int64_t(denominator)) / 2;
    const bool negative = (p < 0) != (denominator < 0);
    const std::int64_t magnitude = (std::abs(p) + half) / std::abs(std::int64_t(denominator));
    return int(negative ? -magnitude : magnitude);
}
