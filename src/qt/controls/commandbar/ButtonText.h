#pragma once

#include <QString>

// Text rules shared by the speed buttons, in Qt's terms (see ui/TextShortening.h and
// ui/ControlDesign.h for the rules themselves).

// The caption as drawn in `available` pixels of the font `font`.
class QFontMetrics;
QString shortenButtonCaption(const QString& caption, int available, const QFontMetrics& font);

// The tooltip part of a "short|long" hint: the text before the first '|'.
QString hintShortPart(const QString& hint);
