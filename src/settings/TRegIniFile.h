#pragma once

#include "settings/TRegistry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace settings {

// An ini-style view of a registry key: sections are its subkeys, entries their values.
class TRegIniFile : public TRegistry {
public:
    // Opens path under HKEY_CURRENT_USER, creating it when missing.
    explicit TRegIniFile(const std::string& path);

    // The value name in the subkey section as a number (see parseInteger()); true when not 0.
    // The default when the section or the value is missing, or the text is no number.
    // "Invalid data type for '%s'" when the value is not text.
    bool readBool(const std::string& section, const std::string& name, bool defaultValue);
    // Creates the section ("Failed to create key %s") and stores "1" or "0" as REG_SZ.
    void writeBool(const std::string& section, const std::string& name, bool value);

    // Text to a 32-bit number: leading spaces skipped, then "$" and one to eight hex digits, or
    // an optional sign and decimal digits within the signed 32-bit range; nothing may follow.
    // A leading "0x" or "0X" of text longer than two characters reads as "$".
    static std::optional<std::int32_t> parseInteger(std::string_view text);
};

} // namespace settings
