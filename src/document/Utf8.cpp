#include "document/Utf8.h"

namespace document::utf8 {

std::optional<char32_t> next(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    std::size_t length = 0;
    char32_t ch = 0;
    if ((lead & 0xE0) == 0xC0)
        length = 2, ch = lead & 0x1F;
    else if ((lead & 0xF0) == 0xE0)
        length = 3, ch = lead & 0x0F;
    else if ((lead & 0xF8) == 0xF0)
        length = 4, ch = lead & 0x07;
    else
        return std::nullopt;
    if (pos + length > text.size())
        return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(text[pos + i]);
        if ((b & 0xC0) != 0x80)
            return std::nullopt;
        ch = (ch << 6) | (b & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (ch < kSmallest[length] || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))
        return std::nullopt;
    pos += length;
    return ch;
}

void append(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out.push_back(char(ch));
    } else if (ch < 0x800) {
        out.push_back(char(0xC0 | (ch >> 6)));
        out.push_back(char(0x80 | (ch & 0x3F)));
    } else if (ch < 0x10000) {
        out.push_back(char(0xE0 | (ch >> 12)));
        out.push_back(char(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(char(0x80 | (ch & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (ch >> 18)));
        out.push_back(char(0x80 | ((ch >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(char(0x80 | (ch & 0x3F)));
    }
}

} // namespace document::utf8
