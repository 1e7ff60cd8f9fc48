#pragma once

#include "settings/RegistryFile.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace settings {

// Reads a store file the way a registry import reads a .reg file, so that what people and
// tools write keeps its settings:
// - the first line is "REGEDIT4" or "Windows Registry Editor Version 5.00" (after a UTF-8
//   byte-order mark and blanks); CR LF, LF and lone CR all end a line;
// - blanks (spaces, tabs) may stand before key and value lines, around '=', after a value's
//   data and after a key's ']'; lines starting with ';' or '#' are comments, and a ';' after a
//   value's data starts one;
// - "dword:" takes one to eight hex digits of either case, a hex list takes bytes of one or two
//   digits with blanks around them, a trailing comma, and comment and blank lines where it
//   continues; a list cut off by the end of the file keeps the bytes read so far;
// - quoted text knows the escapes \\ \" \n \r; any other escaped character stands for itself;
//   "" names the default value like @;
// - a key path may end in a backslash and be followed by text after its ']'; a repeated key
//   adds to the first, a repeated value replaces the earlier one; sections under the other
//   roots are passed over.
// A line that still cannot be read is skipped and listed, and the rest is read. Only a file
// without the header, or with a NUL byte (binary, or UTF-16), throws RegistryFile::ParseError.
class RegistryFileReader {
public:
    explicit RegistryFileReader(std::string_view text)
        : m_text(text) {}

    RegistryFile::Contents read();

private:
    enum class Section { BeforeFirstKey, Store, Elsewhere };

    std::optional<std::string_view> nextLine();
    void readLine(std::string_view content);
    void readKeyLine(std::string_view content);
    void readValueLine(std::string_view content);
    RegistryValue readData(std::string_view rest);
    std::string readHexList(std::string_view first);

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_lineNumber = 0;
    Section m_section = Section::BeforeFirstKey;
    std::string m_keyPath;
    RegistryFile::Contents m_contents;
};

} // namespace settings
