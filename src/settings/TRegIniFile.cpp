#include "settings/TRegIniFile.h"

#include "core/Exception.h"

namespace settings {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

TRegIniFile::TRegIniFile(const std::string& path) {
    openKey(path, true);
}

std::optional<std::int32_t> TRegIniFile::parseInteger(std::string_view text) {
    std::string converted(text);
    if (converted.size() > 2 && converted[0] == '0' && (converted[1] == 'x' || converted[1] == 'X'))
        converted.replace(0, 2, "$");
    std::string_view s = converted;
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);

    if (!s.empty() && s.front() == '$') {
        s.remove_prefix(1);
        if (s.empty() || s.size() > 8)
            return std::nullopt;
        std::uint32_t n = 0;
        for (const char c : s) {
            const int digit = hexValue(c);
            if (digit < 0)
                return std::nullopt;
            n = (n << 4) | static_cast<std::uint32_t>(digit);
        }
        return static_cast<std::int32_t>(n);
    }

    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty())
        return std::nullopt;
    const std::int64_t limit = negative ? std::int64_t(1) << 31 : (std::int64_t(1) << 31) - 1;
    std::int64_t n = 0;
    for (const char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
        if (n > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -n : n);
}

bool TRegIniFile::readBool(const std::string& section, const std::string& name, bool defaultValue) {
    // The section is visited like a subkey; the handle comes back to its own key however this ends.
    struct Restore {
        TRegIniFile& self;
        std::optional<std::string> key;
        ~Restore() { self.restoreKey(std::move(key)); }
    } const restore{*this, saveKey()};
    if (!openKey(section, false))
        return defaultValue;
    if (!store().queryValue(currentPath(), name))
        return defaultValue;
    const std::optional<std::int32_t> n = parseInteger(readString(name));
    return n ? *n != 0 : defaultValue;
}

void TRegIniFile::writeBool(const std::string& section, const std::string& name, bool value) {
    // The section is visited like a subkey; the handle comes back to its own key however this ends.
    struct Restore {
        TRegIniFile& self;
        std::optional<std::string> key;
        ~Restore() { self.restoreKey(std::move(key)); }
    } const restore{*this, saveKey()};
    const std::optional<std::string> full = resolvePath(section);
    if (!full || !store().createKey(*full))
        throw core::ERegistryException("Failed to create key " + section);
    if (openKey(section, false))
        writeString(name, value ? "1" : "0");
}

} // namespace settings
