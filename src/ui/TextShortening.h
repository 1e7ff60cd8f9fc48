#pragma once

#include <algorithm>
#include <cstddef>

// How a caption is cut to fit its space, the same for every string type a front end draws:
// `String` needs size(), data(), String(data, n), String(n, char) and operator+ (std::wstring
// and QString both do); `width(s)` gives the drawn width of s in pixels (QFontMetrics,
// GetTextExtentPoint32).
namespace ui {

// The text as it fits in `available` pixels: the whole text when it fits, else the first
// (length - i - 1) characters followed by "..." for the smallest i = 1, 2, ... that fits,
// down to "..." alone (returned even when that does not fit either).
template <class String, class Width> String shortenText(const String& text, int available, Width&& width) {
    if (width(text) <= available)
        return text;
    const String ellipsis(3, typename String::value_type(u'.'));
    for (std::ptrdiff_t keep = std::ptrdiff_t(text.size()) - 2; keep > 0; --keep) {
        const String candidate = String(text.data(), keep) + ellipsis;
        if (width(candidate) <= available)
            return candidate;
    }
    return ellipsis;
}

// At most this many characters of a button's caption are drawn.
inline constexpr std::size_t kMaxButtonCaptionLength = 255;

// A button's caption as drawn: cut to kMaxButtonCaptionLength, then shortened as above.
template <class String, class Width>
String shortenButtonCaption(const String& caption, int available, Width&& width) {
    const std::size_t length = std::min(std::size_t(caption.size()), kMaxButtonCaptionLength);
    return shortenText(String(caption.data(), length), available, width);
}

} // namespace ui
