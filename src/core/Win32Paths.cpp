#include "core/Win32Paths.h"

#include "core/WideText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <windows.h>

namespace core::files::win32 {
namespace {

constexpr std::array<std::string_view, 6> kDeviceNames = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
constexpr std::array<std::string_view, 2> kNumberedDevices = {"COM", "LPT"};

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
    });
}

} // namespace

bool isReservedName(std::string_view path) {
    std::string_view name = fileName(path);
    name = name.substr(0, name.find('.'));
    // Windows drops trailing blanks before it compares.
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    for (const std::string_view device : kDeviceNames)
        if (equalsIgnoringCase(name, device))
            return true;
    for (const std::string_view prefix : kNumberedDevices)
        if (name.size() == 4 && equalsIgnoringCase(name.substr(0, 3), prefix) && name[3] >= '1' &&
            name[3] <= '9')
            return true;
    return false;
}

SystemError widePath(const std::string& path, std::wstring& wide) {
    if (path.empty())
        return ERROR_PATH_NOT_FOUND;
    if (isReservedName(path))
        return kReservedName;
    const std::wstring given = core::win32::widen(path);
    // Already in the form the calls take as it is, or a device's own name.
    if (given.starts_with(LR"(\\?\)") || given.starts_with(LR"(\\.\)")) {
        wide = given;
        return 0;
    }
    const DWORD size = ::GetFullPathNameW(given.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return ::GetLastError();
    std::wstring full(size, L'\0');
    const DWORD length = ::GetFullPathNameW(given.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size)
        return length == 0 ? ::GetLastError() : ERROR_FILENAME_EXCED_RANGE;
    full.resize(length);
    // A network path \\server\share\... takes the form \\?\UNC\server\share\...
    if (full.starts_with(LR"(\\)"))
        wide = LR"(\\?\UNC\)" + full.substr(2);
    else
        wide = LR"(\\?\)" + full;
    return 0;
}

} // namespace core::files::win32
