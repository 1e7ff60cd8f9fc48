#pragma once

#include "settings/RegistryTree.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

// The store's text form, REGEDIT4 as regedit exports it: CR LF line ends, a blank line before
// each key, keys as "[HKEY_CURRENT_USER\...]", values as
//   "Name"="text"         REG_SZ of printable Windows-1252 text ending in exactly one zero byte
//   "Name"=dword:0000002a REG_DWORD of exactly four bytes
//   "Name"=hex(N):01,02   everything else, every byte; wrapped with a trailing backslash
// and "@" for the default value's name. Only \ and " are escaped inside quotes.
//
// The reader takes what a registry import takes (RegistryFileReader says what that is), so a
// hand-edited or tool-written file keeps its settings; the next write puts it in the form above.
class RegistryFile {
public:
    // A file that is no store at all: no registry header on its first line, or not text.
    class ParseError : public std::runtime_error {
    public:
        ParseError(int line, const std::string& reason);
        int line() const noexcept { return m_line; }
        const std::string& reason() const noexcept { return m_reason; }

    private:
        int m_line;
        std::string m_reason;
    };

    // A line that could not be read: it was passed over and the rest of the file was read.
    struct SkippedLine {
        int line = 0; // 1-based
        std::string reason;

        bool operator==(const SkippedLine&) const = default;
    };

    struct Contents {
        RegistryTree tree;
        std::vector<SkippedLine> skipped; // in the order of the file
    };

    static std::string serialise(const RegistryTree& tree);

    // Throws ParseError only for a file that is no store at all.
    static Contents parse(std::string_view text);

    static constexpr std::string_view kHeader = "REGEDIT4";
    static constexpr std::string_view kRootName = "HKEY_CURRENT_USER";
};

} // namespace settings
