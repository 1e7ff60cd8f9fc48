#pragma once

#include "core/Colors.h"

#include <QRect>

class QPainter;

// i * d / (k - 1) style scaling: a * b / c rounded to the nearest integer,
// halves away from zero. c must not be 0.
int mulDivRounded(int a, int b, int c);

// The colour of band i of k (0 <= i < k, k >= 2) between start and end.
core::TColor gradientBandColor(core::TColor start, core::TColor end, int i, int k);

// Fills r left to right from start to end (plain RGB values) in `steps` colours:
// k = max(2, min(steps, width)) bands of width / k pixels, band 0 the start and
// band k - 1 the end colour; the width % k pixels left at the right edge are in
// the end colour. Fewer than 2 steps fill r with the start colour; an empty r
// is left alone.
void gradientFill(QPainter& painter, const QRect& r, core::TColor start, core::TColor end, int steps);
