#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// UTF-8 and UTF-16 for the tables that spreadsheets write.
namespace places::unicode {

// UTF-16 code units (without a byte order mark) as UTF-8. On a lone surrogate or an odd byte at
// the end, nothing, with `badAt` the byte offset where it is.
std::optional<std::string> utf16ToUtf8(std::string_view bytes, bool bigEndian, std::size_t& badAt);

// Valid UTF-8 as UTF-16 code units, little or big endian, without a byte order mark.
std::string utf8ToUtf16(std::string_view utf8, bool bigEndian);

} // namespace places::unicode
