#include "qt/platform/Text8Bit.h"

#include "document/Windows1252.h"

namespace platform {

namespace codec = document::windows1252;

QString fromWindows1252(std::string_view bytes) {
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes)
        *out++ = QChar(codec::toUnicode(static_cast<unsigned char>(c)));
    return text;
}

bool isWindows1252(const QString& text) {
    for (const QChar ch : text) {
        if (!codec::toByte(ch.unicode()))
            return false;
    }
    return true;
}

std::string toWindows1252(const QString& text) {
    std::string bytes;
    bytes.reserve(std::size_t(text.size()));
    for (const QChar ch : text) {
        if (const auto b = codec::toByte(ch.unicode()))
            bytes.push_back(static_cast<char>(*b));
    }
    return bytes;
}

} // namespace platform
