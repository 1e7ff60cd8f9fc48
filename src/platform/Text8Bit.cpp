#include "platform/Text8Bit.h"

#include <array>

namespace platform {

namespace {

// Unicode of the bytes 0x80..0x9F.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int byteOf(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return ch;
    for (std::size_t i = 0; i < kHighTable.size(); ++i) {
        if (kHighTable[i] == ch)
            return int(0x80 + i);
    }
    return -1;
}

} // namespace

QString fromWindows1252(std::string_view bytes) {
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kHighTable[b - 0x80] : char16_t(b));
    }
    return text;
}

bool isWindows1252(const QString& text) {
    for (const QChar ch : text) {
        if (byteOf(ch.unicode()) < 0)
            return false;
    }
    return true;
}

std::string toWindows1252(const QString& text) {
    std::string bytes;
    bytes.reserve(std::size_t(text.size()));
    for (const QChar ch : text) {
        const int b = byteOf(ch.unicode());
        if (b >= 0)
            bytes.push_back(static_cast<char>(b));
    }
    return bytes;
}

} // namespace platform
