#pragma once

#include <QString>

#include <functional>

// Text rules shared by the speed buttons.

// At most this many characters of a caption are drawn.
constexpr int kMaxCaptionLength = 255;

// The caption as drawn in `available` pixels: cut to kMaxCaptionLength, and
// when still too wide, the first (length - i - 1) characters followed by "..."
// for i = 1, 2, ... until it fits, down to "..." alone.
QString shortenCaption(const QString& caption, int available,
                       const std::function<int(const QString&)>& textWidth);

// The tooltip part of a "short|long" hint: the text before the first '|'.
QString hintShortPart(const QString& hint);
