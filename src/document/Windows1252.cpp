#include "document/Windows1252.h"

#include "document/Utf8.h"

#include <array>

namespace document::windows1252 {
namespace {

// Unicode of the bytes 0x80..0x9F.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

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
        utf8::append(out, toUnicode(static_cast<unsigned char>(c)));
    return out;
}

Encoded fromUtf8(std::string_view utf8) {
    Encoded result;
    result.bytes.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        result.position = pos;
        const auto ch = utf8::next(utf8, pos);
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
