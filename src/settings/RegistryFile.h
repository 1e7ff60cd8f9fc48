#pragma once

#include "settings/RegistryTree.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace settings {

// The store's text form, REGEDIT4 as regedit exports it: CR LF line ends, a blank line before
// each key, keys as "[HKEY_CURRENT_USER\...]", values as
//   "Name"="text"         REG_SZ of printable Windows-1252 text ending in exactly one zero byte
//   "Name"=dword:0000002a REG_DWORD of exactly four bytes
//   "Name"=hex(N):01,02   everything else, every byte; wrapped with a trailing backslash
// and "@" for the default value's name. Only \ and " are escaped inside quotes.
class RegistryFile {
public:
    class ParseError : public std::runtime_error {
    public:
        ParseError(int line, const std::string& reason);
        int line() const noexcept { return m_line; }
        const std::string& reason() const noexcept { return m_reason; }

    private:
        int m_line;
        std::string m_reason;
    };

    static std::string serialise(const RegistryTree& tree);

    // Reads what serialise() writes, and also LF-only line ends, ';' comment lines and "hex:"
    // (REG_BINARY). Everything else throws ParseError naming the 1-based line.
    static RegistryTree parse(std::string_view text);

    static constexpr std::string_view kHeader = "REGEDIT4";
    static constexpr std::string_view kRootName = "HKEY_CURRENT_USER";
};

} // namespace settings
