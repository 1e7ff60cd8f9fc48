#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The document's bytes are Windows-1252 text, one character per byte. Undefined
// bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control characters of the
// same value, so every byte round-trips.
namespace document::windows1252 {

// The Unicode character of a byte.
char16_t toUnicode(unsigned char byte) noexcept;

// The byte of a character, or nothing when Windows-1252 has none for it.
std::optional<unsigned char> toByte(char32_t ch) noexcept;

// The bytes as UTF-8 text.
std::string toUtf8(std::string_view bytes);

// UTF-8 text as bytes. On failure `bytes` is incomplete, `position` is where in the text
// the failure is and `refused` holds the character there that has no byte; `malformed`
// is set instead when the text is no valid UTF-8.
struct Encoded {
    std::string bytes;
    std::optional<char32_t> refused;
    bool malformed = false;
    std::size_t position = 0;
    bool ok() const noexcept { return !refused && !malformed; }
};
Encoded fromUtf8(std::string_view utf8);

} // namespace document::windows1252
