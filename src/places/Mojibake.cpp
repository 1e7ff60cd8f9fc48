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

} // namespace

std::optional<std::string> mojibakeProblem(std::string_view oldBytes, std::string_view newText) {
    if (ascii(oldBytes) || ascii(newText))
        return std::nullopt;
    namespace cp = document::windows1252;
    const std::string oldText = cp::toUtf8(oldBytes);
    if (newText == cp::toUtf8(oldText))
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
