#include "document/Windows1252.h"

#include <array>

namespace document::windows1252 {
namespace {

// Unicode of the bytes 0x80..0x9F.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out.push_back(char(ch));
    } else if (ch < 0x800) {
        out.push_back(char(0xC0 | (ch >> 6)));
        out.push_back(char(0x80 | (ch & 0x3F)));
    } else {
        out.push_back(char(0xE0 | (ch >> 12)));
        out.push_back(char(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(char(0x80 | (ch & 0x3F)));
    }
}

// Decodes the UTF-8 sequence at `pos` and moves past it; nothing for a malformed one
// (overlong forms, surrogates and values past U+10FFFF included).
std::optional<char32_t> nextUtf8(std::string_view s, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    int length = 0;
    char32_t ch = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, ch = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, ch = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, ch = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (pos + std::size_t(length) > s.size())
        return std::nullopt;
    for (int i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + std::size_t(i)]);
        if ((b & 0xC0) != 0x80)
            return std::nullopt;
        ch = (ch << 6) | (b & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (ch < kSmallest[length] || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))
        return std::nullopt;
    pos += std::size_t(length);
    return ch;
}

} // namespace

char16_t toUnicode(unsigned char byte) noexcept {
    return byte >= 0x80 && byte < 0xA0 ? kHighTable[byte - 0x80] : char16_t(byte);
}

std::optional<unsigned char> toByte(char32_t ch) noexcept {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<unsigned char>(ch);
    for (std::size_t i = 0; i < kHighTable.size(); ++i) {
        if (kHighTable[i] == ch)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::string toUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes)
        appendUtf8(out, toUnicode(static_cast<unsigned char>(c)));
    return out;
}

Encoded fromUtf8(std::string_view utf8) {
    Encoded result;
    result.bytes.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        result.position = pos;
        const auto ch = nextUtf8(utf8, pos);
        if (!ch) {
            result.malformed = true;
            return result;
        }
        const auto byte = toByte(*ch);
        if (!byte) {
            result.refused = *ch;
            return result;
        }
        result.bytes.push_back(static_cast<char>(*byte));
    }
    return result;
}

} // namespace document::windows1252
