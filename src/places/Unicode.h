#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// UTF-8 and UTF-16 for the tables that spreadsheets write.
namespace places::unicode {

// Decodes the UTF-8 sequence at `pos` and moves past it; nothing (and `pos` unchanged) for a
// malformed one: a stray or missing continuation byte, an overlong form, a surrogate, past U+10FFFF.
std::optional<char32_t> nextUtf8(std::string_view text, std::size_t& pos);

void appendUtf8(std::string& out, char32_t ch);

// UTF-16 code units (without a byte order mark) as UTF-8. On a lone surrogate or an odd byte at
// the end, nothing, with `badAt` the byte offset where it is.
std::optional<std::string> utf16ToUtf8(std::string_view bytes, bool bigEndian, std::size_t& badAt);

// Valid UTF-8 as UTF-16 code units, little or big endian, without a byte order mark.
std::string utf8ToUtf16(std::string_view utf8, bool bigEndian);

} // namespace places::unicode
