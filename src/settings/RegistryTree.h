#pragma once

#include "settings/RegistryValue.h"

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace settings {

// The keys and values under HKEY_CURRENT_USER, held in memory. Key paths are relative to
// the root ("Software\\Vendor\\App"; "" is the root itself) and, like value names, are matched
// without regard to ASCII case but kept in the case they were first given.
class RegistryTree {
public:
    struct Key {
        std::string path;
        std::vector<std::pair<std::string, RegistryValue>> values; // in the order they were added

        bool operator==(const Key&) const = default;
    };

    // Orders paths component by component, ignoring ASCII case, so that every key is followed
    // by its subkeys.
    struct PathLess {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const noexcept;
    };
    using KeyMap = std::map<std::string, Key, PathLess>;

    // Bytes the file can show as text: Windows-1252 characters other than controls.
    static bool isPrintable(unsigned char c) noexcept;
    // A key path: "" or backslash-separated non-empty names of printable characters.
    static bool isValidPath(std::string_view path) noexcept;
    // A value name: printable characters; "" is the key's default value.
    static bool isValidValueName(std::string_view name) noexcept;
    static bool sameName(std::string_view a, std::string_view b) noexcept;

    // Creates the key and any missing parent. The path must be valid. True when a key was added.
    bool createKey(std::string_view path);
    bool keyExists(std::string_view path) const;
    // nullptr when the key or the value does not exist.
    const RegistryValue* value(std::string_view keyPath, std::string_view name) const;
    // Adds or replaces the value, creating the key when missing. Path and name must be valid.
    void setValue(std::string_view keyPath, std::string_view name, RegistryValue value);

    // Every key except the root, which is listed only when it holds values; parents come first.
    const KeyMap& keys() const { return m_keys; }

    bool operator==(const RegistryTree&) const = default;

private:
    KeyMap m_keys;
};

} // namespace settings
