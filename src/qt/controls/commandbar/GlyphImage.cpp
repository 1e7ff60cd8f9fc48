#include "qt/controls/commandbar/GlyphImage.h"

QImage glyphImage(const QImage& strip, int numGlyphs, int index) {
    if (strip.isNull() || numGlyphs < 1)
        return {};
    const int w = strip.width() / numGlyphs;
    if (w <= 0 || index < 0 || index >= numGlyphs)
        return {};
    const QImage argb = strip.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = argb.pixel(0, argb.height() - 1);
    QImage image = argb.copy(index * w, 0, w, argb.height());
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == transparent)
                line[x] = 0;
        }
    }
    return image;
}

namespace {

// White counts as background, as in a monochrome copy of the image: so light
// areas inside a glyph (a label, a page) stay visible in the embossed form.
bool inShape(QRgb pixel) {
    return qAlpha(pixel) != 0 && (pixel & 0xFFFFFFu) != 0xFFFFFFu;
}

} // namespace

QImage embossedGlyph(const QImage& image, const QColor& highlight, const QColor& shadow) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage result(source.size(), QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    const QRgb light = highlight.rgb();
    const QRgb dark = shadow.rgb();
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            if (!inShape(source.pixel(x, y)))
                continue;
            if (x + 1 < result.width() && y + 1 < result.height())
                result.setPixel(x + 1, y + 1, light);
        }
    }
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            if (inShape(source.pixel(x, y)))
                result.setPixel(x, y, dark);
        }
    }
    return result;
}
