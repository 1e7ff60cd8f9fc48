#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// A one-pixel 3-D ring along the edge of r: the top and left lines in one
// colour, the bottom and right lines (which own the top-right and bottom-left
// corners) in the other.
void drawFrameRing(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight);
