#pragma once

#include <QString>

class QFontMetrics;

// The caption as it fits in `width` pixels: the whole text when it fits, else
// the first (length - i - 1) characters followed by "..." for the smallest
// i = 1, 2, ... that fits, down to "..." alone (which is returned even when it
// does not fit either). Characters are measured as they are drawn: "&" is text.
QString shortenCaption(const QString& text, const QFontMetrics& metrics, int width);
