#pragma once

#include "settings/RegistryStore.h"
#include "settings/RegistryValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace settings {

// A handle on one key of the per-user registry, rooted at HKEY_CURRENT_USER. Failing reads and
// writes throw core::ERegistryException with the messages the program reports; openKey()
// never throws.
class TRegistry {
public:
    TRegistry();
    virtual ~TRegistry(); // closes the key

    // A path with a leading backslash is taken from the root, any other from the open key when
    // there is one, else from the root. With canCreate the key (and its parents) is created
    // when missing; otherwise it must exist. On success the new key replaces the open one.
    bool openKey(const std::string& path, bool canCreate);
    void closeKey();
    bool hasCurrentKey() const { return m_currentKey.has_value(); }
    // The open key's path from the root, without a leading backslash ("" for the root itself).
    std::string currentPath() const { return m_currentKey.value_or(std::string()); }

    // Empty text when the value is absent or has no data; the text ends at the first zero byte.
    // "Invalid data type for '%s'" unless REG_SZ or REG_EXPAND_SZ.
    std::string readString(const std::string& name);
    // Reads at most four bytes. "Failed to get data for '%s'" when absent or longer than four
    // bytes; "Invalid data type for '%s'" unless REG_DWORD. Shorter data fills the low-order
    // bytes (little-endian) and the rest is zero: 34 12 reads as 0x1234, no data as 0.
    std::int32_t readInteger(const std::string& name);
    bool readBool(const std::string& name); // readInteger() != 0

    // REG_SZ with its terminating zero counted / REG_DWORD of four bytes, little-endian / 1 or 0.
    // "Failed to set data for '%s'" when no key is open or the store cannot be written.
    void writeString(const std::string& name, const std::string& value);
    void writeInteger(const std::string& name, std::int32_t value);
    void writeBool(const std::string& name, bool value);

    // One value to write, as writeString(), writeInteger() and writeBool() store it.
    struct Write {
        std::string name;
        RegistryValue value;
    };
    static Write text(const std::string& name, const std::string& value);
    static Write integer(const std::string& name, std::int32_t value);
    static Write boolean(const std::string& name, bool value);
    // Writes the values in one locked write of the store, so that a failure or a kill leaves
    // all of them or none. "Failed to set data for '%s'" names the first value, the first
    // that could not be written, when no key is open or the store cannot be written.
    void writeAll(const std::vector<Write>& values);

protected:
    // The absolute path that openKey() would use for path, or nullopt for an invalid one.
    std::optional<std::string> resolvePath(const std::string& path) const;
    RegistryStore& store() { return m_store; }
    // Lets a derived class visit a subkey and come back to the key it had.
    std::optional<std::string> saveKey() const { return m_currentKey; }
    void restoreKey(std::optional<std::string> key) { m_currentKey = std::move(key); }

private:
    RegistryStore m_store;
    std::optional<std::string> m_currentKey;
};

} // namespace settings
