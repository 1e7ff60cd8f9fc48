#include "places/PlaceText.h"

#include "document/ConfigBuffer.h"
#include "document/Windows1252.h"
#include "places/ToolError.h"

#include <cstdio>

namespace places {
namespace {

std::string codePoint(char32_t ch) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(ch));
    return text;
}

} // namespace

void requireCleanBytes(std::string_view bytes, std::string_view oldBytes, const std::string& what) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const bool control = b < 0x20 || b == 0x7F;
        const bool undefined = b >= 0x80 && b < 0xA0 && document::windows1252::toUnicode(b) == b;
        if ((!control && !undefined) || oldBytes.find(char(b)) != std::string_view::npos)
            continue;
        throw ToolError(what, "character " + std::to_string(i + 1) + " is " +
                                  (control ? "the control character " + codePoint(b)
                                           : codePoint(b) + ", a byte that Windows-1252 does not define") +
                                  ", which 'vantorel-places check' would report");
    }
}

std::string describeChange(const Place& place, std::string_view oldText, std::string_view newText) {
    return describePlace(place) + "\n  - " + std::string(oldText) + "\n  + " + std::string(newText) + "\n";
}

std::string describePlace(const Place& place) {
    return std::string(countryName(place.country)) + " " + std::string(competitionName(place.competition)) +
           " " + std::to_string(place.slot) + " (line " + std::to_string(place.line + 1) + ")";
}

void requireLine(const document::ConfigBuffer& buffer, const Place& place, const std::string& file) {
    if (std::size_t(place.line) >= buffer.lineCount())
        throw ToolError(file, "the file ends at line " + std::to_string(buffer.lineCount()) +
                                  ", before the line of " + describePlace(place));
}

std::string placeText(const document::ConfigBuffer& buffer, const Place& place, const std::string& file) {
    requireLine(buffer, place, file);
    return document::windows1252::toUtf8(buffer.line(std::size_t(place.line)));
}

std::string placeBytes(std::string_view utf8, const std::string& what) {
    const auto encoded = document::windows1252::fromUtf8(utf8);
    if (encoded.malformed)
        throw ToolError(what, "the text is not valid UTF-8");
    if (encoded.refused) {
        const std::size_t length = *encoded.refused < 0x800 ? 2 : *encoded.refused < 0x10000 ? 3 : 4;
        throw ToolError(what, "the character '" + std::string(utf8.substr(encoded.position, length)) + "' (" +
                                  codePoint(*encoded.refused) +
                                  ") has no Windows-1252 byte, so it cannot be saved");
    }
    for (const char c : encoded.bytes) {
        if (c == '\r' || c == '\n' || c == '\0')
            throw ToolError(what, "a place is one line: its text cannot hold " +
                                      std::string(c == '\0'   ? "a NUL (U+0000)"
                                                  : c == '\r' ? "a line break (U+000D)"
                                                              : "a line break (U+000A)"));
    }
    return encoded.bytes;
}

} // namespace places
