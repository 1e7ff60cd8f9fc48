#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

// The command bar's glyphs, built into the program as resources under
// ":/glyphs/": "new", "open", "save", "font" (two images: normal, disabled),
// "tip" and "about". 16 x 16 pixels per image, 16 colours; the bottom-left
// colour is the transparent one.
QStringList commandGlyphNames();

// The glyph of that name; throws core::EResNotFound for an unknown name.
QPixmap commandGlyph(const QString& name);
