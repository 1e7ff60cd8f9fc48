#pragma once

#include "places/PlaceIndex.h"

#include <string>
#include <string_view>

namespace document {
class ConfigBuffer;
}

// Place texts between the document's Windows-1252 bytes and the UTF-8 that the
// terminal and the tables hold.
namespace places {

// The place's whole line as UTF-8. A ToolError naming `file` when the file ends
// before that line.
std::string placeText(const document::ConfigBuffer& buffer, const Place& place, const std::string& file);

// UTF-8 text as place bytes: what `what` describes (an argument, a table row) gets a
// ToolError naming the first character that Windows-1252 cannot hold, a line break
// or a NUL, which a place line cannot hold.
std::string placeBytes(std::string_view utf8, const std::string& what);

// Refuses new place bytes that 'check' would report, a control character or a byte that
// Windows-1252 does not define, unless the place's old bytes already hold it: a ToolError
// naming `what`.
void requireCleanBytes(std::string_view bytes, std::string_view oldBytes, const std::string& what);

// One changed place as 'diff' lists it: "Italy UEFA Cup 2 (line 15)\n  - old\n  + new\n".
std::string describeChange(const Place& place, std::string_view oldText, std::string_view newText);

// "Italy UEFA Cup 2 (line 12)", for messages.
std::string describePlace(const Place& place);

// A ToolError naming `file` when its buffer ends before the place's line.
void requireLine(const document::ConfigBuffer& buffer, const Place& place, const std::string& file);

} // namespace places
