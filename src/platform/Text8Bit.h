#pragma once

#include <QString>

#include <string>
#include <string_view>

// The document's bytes are Windows-1252 text, one character per byte. Undefined
// bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control characters of the
// same value, so every byte round-trips.
namespace platform {

QString fromWindows1252(std::string_view bytes);

// True when every character of text has a Windows-1252 byte.
bool isWindows1252(const QString& text);

// Characters without a Windows-1252 byte are dropped; callers check first.
std::string toWindows1252(const QString& text);

} // namespace platform
