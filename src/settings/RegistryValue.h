#pragma once

#include <cstdint>
#include <string>

namespace settings {

// Value types of the registry. Any other 32-bit number is a valid type too and is kept as it is.
enum ValueType : std::uint32_t { REG_NONE = 0, REG_SZ = 1, REG_EXPAND_SZ = 2, REG_BINARY = 3, REG_DWORD = 4 };

// One stored value: its type number and its data bytes, exactly as written (a REG_SZ
// counts its terminating zero byte; nothing is checked or normalised).
struct RegistryValue {
    std::uint32_t type = REG_NONE;
    std::string data;

    bool operator==(const RegistryValue&) const = default;
};

} // namespace settings
