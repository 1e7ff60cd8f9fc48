#pragma once

#include "settings/RegistryTree.h"
#include "settings/RegistryValue.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace settings {

// The per-user registry under HKEY_CURRENT_USER. On Windows it is the registry itself, reached
// through RegCreateKeyExA, RegOpenKeyExA, RegQueryValueExA, RegSetValueExA and RegCloseKey
// (keys non-volatile, opened with KEY_ALL_ACCESS; text as single bytes, as the A calls give it).
//
// Elsewhere it is kept in one REGEDIT4 file. Every operation
// reads the file again, so changes by another running copy are seen; every change is a locked
// read-modify-write that replaces the file atomically and durably before it returns.
//
// A file that is no store at all (RegistryFile::ParseError) is renamed to
// "<file>.broken-<UTC time>" (never deleted), the move is reported once through
// core::reportException as an ERegistryException, and the store goes on empty. Lines the reader
// skipped in an otherwise good file are reported once per version of the file as a core::EWarning.
// Paths are relative to HKEY_CURRENT_USER without a leading backslash.
class RegistryStore {
public:
    // The per-user file, looked up again on every operation (see defaultFilePath()).
    RegistryStore() = default;
#ifndef _WIN32
    explicit RegistryStore(std::string filePath);

    // $XDG_CONFIG_HOME/vantorel/registry.reg; $HOME/.config takes the place of XDG_CONFIG_HOME
    // when that is unset, empty or not absolute. "" when no home folder can be found.
    static std::string defaultFilePath();
    std::string filePath() const;
#endif

    // Creates the key and its missing parents. False for an invalid path or a failed write.
    bool createKey(const std::string& path);
    bool keyExists(const std::string& path) const;
    std::optional<RegistryValue> queryValue(const std::string& keyPath, const std::string& name) const;
    // Stores the value, creating its key if another copy removed it meanwhile. False for an
    // invalid path or name, or when the file cannot be written.
    bool setValue(const std::string& keyPath, const std::string& name, std::uint32_t type,
                  const std::string& data);
    // Stores several values of one key in one locked write: all of them or, when the file
    // cannot be written, none (the registry writes them one by one, in order, and stops at the
    // first that fails). False for an invalid path or name too.
    bool setValues(const std::string& keyPath,
                   const std::vector<std::pair<std::string, RegistryValue>>& values);

#ifndef _WIN32
private:
    RegistryTree load() const;
    // Applies change (which returns whether it changed anything) under the lock.
    bool update(const std::function<bool(RegistryTree&)>& change);

    std::optional<std::string> m_fixedPath;
#endif
};

} // namespace settings
