#include "places/Mojibake.h"

#include "document/Windows1252.h"

#include <algorithm>

namespace places {
namespace {

bool ascii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

// Programs differ on the bytes that Windows-1252 leaves undefined: some read 0x81 as U+0081
// (as the file's text does), some as U+F181; the first stands for both.
std::string undefinedAsC1(std::string_view text) {
    std::string out(text);
    for (std::size_t at = out.find("\xEF\x86"); at != std::string::npos; at = out.find("\xEF\x86", at + 1)) {
        const auto b = at + 2 < out.size() ? static_cast<unsigned char>(out[at + 2]) : 0;
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            out.replace(at, 2, "\xC2");
    }
    return out;
}

} // namespace

std::optional<std::string> mojibakeProblem(std::string_view oldBytes, std::string_view newText) {
    if (ascii(oldBytes) || ascii(newText))
        return std::nullopt;
    namespace cp = document::windows1252;
    const std::string oldText = cp::toUtf8(oldBytes);
    if (undefinedAsC1(newText) == cp::toUtf8(oldText))
        return quoted(newText) + " is " + quoted(oldText) +
               " (the place's text) in UTF-8 read as Windows-1252: open the table as UTF-8 in the "
               "spreadsheet and save it again";
    // The file's bytes are themselves the UTF-8 of the new text.
    if (newText == oldBytes)
        return quoted(newText) + " is " + quoted(oldText) +
               " (the place's text) read as UTF-8: open the table as Windows-1252 in the spreadsheet "
               "and save it again";
    return std::nullopt;
}

} // namespace places
