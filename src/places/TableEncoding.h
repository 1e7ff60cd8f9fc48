#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The encodings of the tables that spreadsheets read and write, told from the bytes on import.
namespace places {

enum class Encoding { Utf8, Utf8Bom, Windows1252, Utf16Le, Utf16Be };

// "utf-8", "utf-8-bom", "windows-1252", "utf-16" (little endian), "utf-16le", "utf-16be", any case.
std::optional<Encoding> encodingNamed(std::string_view name);
std::string_view encodingName(Encoding encoding);

struct DecodedTable {
    std::string text; // UTF-8 without a byte order mark, unless `mixed`
    Encoding encoding = Encoding::Utf8;
    bool guessed = false; // read as Windows-1252 because the bytes are not UTF-8
    // Both UTF-8 characters and bytes that are not UTF-8: where the first of each is.
    struct Mixture {
        std::size_t utf8At, utf8Length, otherAt;
    };
    std::optional<Mixture> mixed;
};

// The table's bytes as UTF-8 text. A byte order mark tells UTF-8 or UTF-16; without one the
// bytes are UTF-8 when they are valid UTF-8, else Windows-1252 when they hold no UTF-8 character
// (`guessed`), else `mixed` (with `text` the bytes as they are). A given encoding is used as it
// is (a byte order mark of its own skipped). A ToolError naming `name` for UTF-16 that is broken.
DecodedTable decodeTable(std::string_view bytes, std::optional<Encoding> given, const std::string& name);

// UTF-8 text in the encoding, with its byte order mark; for Windows-1252 the text must hold only
// characters that it has.
std::string encodeTable(std::string_view utf8, Encoding encoding);

} // namespace places
