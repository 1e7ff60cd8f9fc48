#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// Place texts are Windows-1252 bytes on every system, whatever its ANSI code page: controls get
// them as UTF-16 through the document's codec, and take back only what that code page holds.
namespace win32::text1252 {

std::wstring toWide(std::string_view bytes);
// Nothing when a character has no Windows-1252 byte (a lone surrogate neither).
std::optional<std::string> fromWide(std::wstring_view text);
// The first character of text that Windows-1252 cannot hold, as its index; nothing when all can.
std::optional<std::size_t> firstRefused(std::wstring_view text);

void setWindowText(HWND hwnd, std::string_view bytes);
// The window's text as bytes; characters the code page cannot hold are left out.
std::string windowText(HWND hwnd);

} // namespace win32::text1252
