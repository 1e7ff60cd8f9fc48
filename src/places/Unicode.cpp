#include "places/Unicode.h"

#include "document/Utf8.h"

namespace places::unicode {

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
        document::utf8::append(out, ch);
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
        const auto ch = document::utf8::next(utf8, pos);
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
