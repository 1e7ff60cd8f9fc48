#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

// Glyph bitmaps of the speed buttons: one strip of 1 to 5 equal images side by
// side, with the colour of the bottom-left pixel as the transparent colour. How many images a
// strip holds and which one a state shows: ui/SpeedButtonLook.h.

// Image `index` of the strip, with its transparent pixels cleared (ARGB32).
QImage glyphImage(const QImage& strip, int numGlyphs, int index);

// The disabled look made from one image: its shape (every pixel that is
// neither transparent nor white) in `highlight` one pixel down and right, then in `shadow` on top.
// Same size as the image; the rest is transparent.
QImage embossedGlyph(const QImage& image, const QColor& highlight, const QColor& shadow);
