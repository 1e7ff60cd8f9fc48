#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// UTF-8, one character at a time.
namespace document::utf8 {

// Decodes the UTF-8 sequence at `pos` and moves past it; nothing (and `pos` unchanged) for a
// malformed one: a stray or missing continuation byte, an overlong form, a surrogate, past U+10FFFF.
std::optional<char32_t> next(std::string_view text, std::size_t& pos);

void append(std::string& out, char32_t ch);

} // namespace document::utf8
