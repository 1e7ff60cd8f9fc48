#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

// Glyph bitmaps of the speed buttons: one strip of 1 to 5 equal images side by
// side, with the colour of the bottom-left pixel as the transparent colour.

constexpr int kMaxNumGlyphs = 5;

// The image count a newly assigned glyph implies: width / height when the width
// is a whole multiple of the height and that is below 6, else 1. 0 when the size
// implies nothing (empty, or not a whole multiple), so the count stays as it was.
int impliedNumGlyphs(QSize glyphSize);

// Image `index` of the strip, with its transparent pixels cleared (ARGB32).
QImage glyphImage(const QImage& strip, int numGlyphs, int index);

// The disabled look made from one image: its shape (every pixel that is
// neither transparent nor white) in `highlight` one pixel down and right, then in `shadow` on top.
// Same size as the image; the rest is transparent.
QImage embossedGlyph(const QImage& image, const QColor& highlight, const QColor& shadow);
