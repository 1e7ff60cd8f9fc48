#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The current user's registry, read in this process: the program under test runs in the
// same Wine prefix, so its writes are seen here at once.
namespace wintest {

struct RegistryValue {
    DWORD type = REG_NONE;
    std::string data; // the stored bytes, as many as the stored size
};

std::optional<RegistryValue> readRegistryValue(const char* keyPath, const char* name);
void writeRegistryValue(const char* keyPath, const char* name, DWORD type, const std::string& data);
// Removes the key with everything below it; a missing key is no error.
void deleteRegistryKey(const char* keyPath);

} // namespace wintest
