#include "places/Unicode.h"

namespace places::unicode {

std::optional<char32_t> nextUtf8(std::string_view text, std::size_t& pos) {
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

void appendUtf8(std::string& out, char32_t ch) {
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

std::optional<std::string> utf16ToUtf8(std::string_view bytes, bool bigEndian, std::size_t& badAt) {
    const auto unitAt = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        return char32_t(bigEndian ? (a << 8 | b) : (b << 8 | a));
    };
    std::string out;
    out.reserve(bytes.size() / 2 + bytes.size() / 8);
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        badAt = i;
        if (i + 1 >= bytes.size())
            return std::nullopt;
        char32_t ch = unitAt(i);
        if (ch >= 0xDC00 && ch <= 0xDFFF)
            return std::nullopt;
        if (ch >= 0xD800 && ch <= 0xDBFF) {
            if (i + 3 >= bytes.size())
                return std::nullopt;
            const char32_t low = unitAt(i + 2);
            if (low < 0xDC00 || low > 0xDFFF)
                return std::nullopt;
            ch = 0x10000 + ((ch - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        appendUtf8(out, ch);
    }
    return out;
}

std::string utf8ToUtf16(std::string_view utf8, bool bigEndian) {
    std::string out;
    out.reserve(utf8.size() * 2);
    const auto appendUnit = [&](char32_t unit) {
        const char high = char(unit >> 8), low = char(unit & 0xFF);
        out.push_back(bigEndian ? high : low);
        out.push_back(bigEndian ? low : high);
    };
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto ch = nextUtf8(utf8, pos);
        if (!ch) {
            ++pos;
            appendUnit(0xFFFD);
        } else if (*ch < 0x10000) {
            appendUnit(*ch);
        } else {
            appendUnit(0xD800 + ((*ch - 0x10000) >> 10));
            appendUnit(0xDC00 + ((*ch - 0x10000) & 0x3FF));
        }
    }
    return out;
}

} // namespace places::unicode
