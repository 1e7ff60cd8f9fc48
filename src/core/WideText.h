#pragma once

#include <string>
#include <string_view>

// UTF-8 <-> UTF-16 for the Windows API, whose wide-character calls take and give UTF-16.
// Windows only.
namespace core::win32 {

// Invalid UTF-8 becomes U+FFFD.
std::wstring widen(std::string_view utf8);
// A lone surrogate becomes U+FFFD.
std::string narrow(std::wstring_view utf16);

} // namespace core::win32
