#pragma once

#include "core/Colors.h"

#include <QRect>

class QPainter;

// Paints the caption gradient's bands (ui/GradientBands.h) over r: left to right from start to
// end (plain RGB values) in `steps` colours.
void gradientFill(QPainter& painter, const QRect& r, core::TColor start, core::TColor end, int steps);
