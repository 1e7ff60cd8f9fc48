#include "settings/RegistryStore.h"

#include <windows.h>

namespace settings {

namespace {

// An open registry key, closed when it goes.
class OpenKey {
public:
    OpenKey() = default;
    ~OpenKey() {
        if (m_key)
            ::RegCloseKey(m_key);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    PHKEY receive() { return &m_key; }
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

bool createOrOpen(const std::string& path, OpenKey& key) {
    DWORD disposition = 0;
    return ::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_ALL_ACCESS, nullptr, key.receive(), &disposition) == ERROR_SUCCESS;
}

bool openExisting(const std::string& path, OpenKey& key) {
    return ::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, key.receive()) ==
           ERROR_SUCCESS;
}

} // namespace

bool RegistryStore::createKey(const std::string& path) {
    OpenKey key;
    return RegistryTree::isValidPath(path) && createOrOpen(path, key);
}

bool RegistryStore::keyExists(const std::string& path) const {
    OpenKey key;
    return RegistryTree::isValidPath(path) && openExisting(path, key);
}

std::optional<RegistryValue> RegistryStore::queryValue(const std::string& keyPath,
                                                       const std::string& name) const {
    OpenKey key;
    if (!RegistryTree::isValidPath(keyPath) || !openExisting(keyPath, key))
        return std::nullopt;
    // The size first, then the data; another writer may grow the value in between.
    for (;;) {
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (::RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        std::string data(size, '\0');
        const LONG read = ::RegQueryValueExA(key.get(), name.c_str(), nullptr, &type,
                                             reinterpret_cast<BYTE*>(data.data()), &size);
        if (read == ERROR_MORE_DATA)
            continue;
        if (read != ERROR_SUCCESS)
            return std::nullopt;
        data.resize(size);
        return RegistryValue{type, std::move(data)};
    }
}

bool RegistryStore::setValue(const std::string& keyPath, const std::string& name, std::uint32_t type,
                             const std::string& data) {
    return setValues(keyPath, {{name, RegistryValue{type, data}}});
}

bool RegistryStore::setValues(const std::string& keyPath,
                              const std::vector<std::pair<std::string, RegistryValue>>& values) {
    if (!RegistryTree::isValidPath(keyPath))
        return false;
    for (const auto& [name, value] : values)
        if (!RegistryTree::isValidValueName(name))
            return false;
    // Created again when another copy removed the key meanwhile, as the file store does.
    OpenKey key;
    if (!createOrOpen(keyPath, key))
        return false;
    for (const auto& [name, value] : values) {
        const auto* bytes = reinterpret_cast<const BYTE*>(value.data.data());
        if (::RegSetValueExA(key.get(), name.c_str(), 0, value.type, bytes, DWORD(value.data.size())) !=
            ERROR_SUCCESS)
            return false;
    }
    return true;
}

} // namespace settings
