#include "places/TableEncoding.h"

#include "document/Utf8.h"
#include "document/Windows1252.h"
#include "places/ToolError.h"
#include "places/Unicode.h"

#include <algorithm>
#include <array>

namespace places {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF", kUtf16LeBom = "\xFF\xFE", kUtf16BeBom = "\xFE\xFF";

struct Named {
    std::string_view name;
    Encoding encoding;
};
constexpr std::array<Named, 6> kNames = {{{"utf-8", Encoding::Utf8},
                                          {"utf-8-bom", Encoding::Utf8Bom},
                                          {"windows-1252", Encoding::Windows1252},
                                          {"utf-16", Encoding::Utf16Le},
                                          {"utf-16le", Encoding::Utf16Le},
                                          {"utf-16be", Encoding::Utf16Be}}};

bool startsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

DecodedTable fromUtf16(std::string_view bytes, bool bigEndian, const std::string& name) {
    const std::size_t bom = startsWith(bytes, bigEndian ? kUtf16BeBom : kUtf16LeBom) ? 2 : 0;
    bytes.remove_prefix(bom);
    std::size_t badAt = 0;
    auto text = unicode::utf16ToUtf8(bytes, bigEndian, badAt);
    if (!text)
        throw ToolError(name,
                        "not valid UTF-16: a broken character at byte " + std::to_string(bom + badAt + 1));
    return {std::move(*text), bigEndian ? Encoding::Utf16Be : Encoding::Utf16Le, false, std::nullopt};
}

DecodedTable fromWindows1252(std::string_view bytes, bool guessed) {
    return {document::windows1252::toUtf8(bytes), Encoding::Windows1252, guessed, std::nullopt};
}

// UTF-8 when it is, Windows-1252 when no byte of it is part of a UTF-8 character, else neither.
DecodedTable guessed(std::string_view bytes) {
    std::optional<std::size_t> utf8At, otherAt;
    std::size_t utf8Length = 0;
    for (std::size_t pos = 0; pos < bytes.size() && !(utf8At && otherAt);) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        if (document::utf8::next(bytes, pos)) {
            if (!utf8At)
                utf8At = start, utf8Length = pos - start;
        } else {
            if (!otherAt)
                otherAt = start;
            ++pos;
        }
    }
    if (!otherAt)
        return {std::string(bytes), Encoding::Utf8, false, std::nullopt};
    if (!utf8At)
        return fromWindows1252(bytes, true);
    return {std::string(bytes), Encoding::Utf8, false, DecodedTable::Mixture{*utf8At, utf8Length, *otherAt}};
}

} // namespace

std::optional<Encoding> encodingNamed(std::string_view name) {
    for (const Named& n : kNames) {
        if (std::equal(name.begin(), name.end(), n.name.begin(), n.name.end(),
                       [](char a, char b) { return (a >= 'A' && a <= 'Z' ? char(a - 'A' + 'a') : a) == b; }))
            return n.encoding;
    }
    return std::nullopt;
}

std::string_view encodingName(Encoding encoding) {
    for (const Named& n : kNames) {
        if (n.encoding == encoding)
            return n.name;
    }
    return {};
}

DecodedTable decodeTable(std::string_view bytes, std::optional<Encoding> given, const std::string& name) {
    if (!given) {
        if (startsWith(bytes, kUtf16LeBom))
            given = Encoding::Utf16Le;
        else if (startsWith(bytes, kUtf16BeBom))
            given = Encoding::Utf16Be;
        else if (startsWith(bytes, kUtf8Bom))
            given = Encoding::Utf8Bom;
        else
            return guessed(bytes);
    }
    switch (*given) {
    case Encoding::Utf16Le:
    case Encoding::Utf16Be:
        // "utf-16" names either order; a byte order mark tells which.
        return fromUtf16(bytes, *given == Encoding::Utf16Be || startsWith(bytes, kUtf16BeBom), name);
    case Encoding::Windows1252:
        return fromWindows1252(bytes, false);
    case Encoding::Utf8:
    case Encoding::Utf8Bom:
        break;
    }
    if (startsWith(bytes, kUtf8Bom))
        bytes.remove_prefix(kUtf8Bom.size());
    return {std::string(bytes), *given, false, std::nullopt};
}

std::string encodeTable(std::string_view utf8, Encoding encoding) {
    switch (encoding) {
    case Encoding::Utf8:
        return std::string(utf8);
    case Encoding::Utf8Bom:
        return std::string(kUtf8Bom).append(utf8);
    case Encoding::Windows1252:
        return document::windows1252::fromUtf8(utf8).bytes;
    case Encoding::Utf16Le:
        return std::string(kUtf16LeBom) + unicode::utf8ToUtf16(utf8, false);
    case Encoding::Utf16Be:
        return std::string(kUtf16BeBom) + unicode::utf8ToUtf16(utf8, true);
    }
    return std::string(utf8);
}

} // namespace places
