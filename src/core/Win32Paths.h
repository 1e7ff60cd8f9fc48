#pragma once

#include "core/FileKit.h"

#include <string>
#include <string_view>

// Paths for the wide-character file calls of the kit's Windows side. Windows only.
namespace core::files::win32 {

// True when the path's last part is a name that Windows keeps for a device (CON, PRN, AUX,
// NUL, COM1-COM9, LPT1-LPT9, CONIN$, CONOUT$), with or without an extension: opening it opens
// the device, whatever folder the path names.
bool isReservedName(std::string_view path);

// The path in UTF-16, made absolute and given the "\\?\" prefix, which lifts the limit of 260
// characters. kReservedName for a device name (see above).
SystemError widePath(const std::string& path, std::wstring& wide);

} // namespace core::files::win32
