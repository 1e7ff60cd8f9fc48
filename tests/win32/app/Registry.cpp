#include "Registry.h"

#include "Checks.h"

namespace wintest {

std::optional<RegistryValue> readRegistryValue(const char* keyPath, const char* name) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    RegistryValue value;
    DWORD size = 0;
    LSTATUS status = ::RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        value.data.resize(size);
        status = ::RegQueryValueExA(key, name, nullptr, &value.type,
                                    reinterpret_cast<BYTE*>(value.data.data()), &size);
        value.data.resize(size);
    }
    ::RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void writeRegistryValue(const char* keyPath, const char* name, DWORD type, const std::string& data) {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                          nullptr) != ERROR_SUCCESS)
        throw Failure(std::string("cannot create the key ") + keyPath);
    const LSTATUS status =
        ::RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()), DWORD(data.size()));
    ::RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        throw Failure(std::string("cannot write ") + name);
}

void deleteRegistryKey(const char* keyPath) {
    const LSTATUS status = ::RegDeleteTreeA(HKEY_CURRENT_USER, keyPath);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        throw Failure(std::string("cannot delete the key ") + keyPath);
}

} // namespace wintest
