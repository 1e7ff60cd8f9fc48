#pragma once

#include "core/Colors.h"
#include "ui/ControlDesign.h"

#include <vector>

// The colour gradient of the main window's caption as a list of solid bands, for a front end to
// fill one after the other.
namespace ui {

struct GradientBand {
    Box box;
    core::TColor color = core::clBlack;
    constexpr bool operator==(const GradientBand&) const = default;
};

// a * b / c rounded to the nearest integer, halves away from zero. c must not be 0.
int mulDivRounded(int a, int b, int c);

// The colour of band i of k (0 <= i < k, k >= 2) between two plain RGB colours.
core::TColor gradientBandColor(core::TColor start, core::TColor end, int i, int k);

// Fills r left to right from start to end (plain RGB values) in `steps` colours:
// k = max(2, min(steps, width)) bands of width / k pixels, band 0 the start and band k - 1 the
// end colour, then the width % k pixels left at the right edge in the end colour. Fewer than 2
// steps give one band of the start colour over r; an empty r gives no band.
std::vector<GradientBand> gradientBands(const Box& r, core::TColor start, core::TColor end, int steps);

} // namespace ui
