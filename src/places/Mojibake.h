#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace places {

// When a new text is the old one garbled by a program that read the table in the wrong
// encoding: its UTF-8 bytes read as Windows-1252 ("MÃ¼nchen" for "München"), or the old
// text's bytes read as UTF-8 (the reverse), the problem in words with both forms and the fix.
// `oldBytes` are the place's Windows-1252 bytes, `newText` the table's UTF-8.
std::optional<std::string> mojibakeProblem(std::string_view oldBytes, std::string_view newText);

} // namespace places
