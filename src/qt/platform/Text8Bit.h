#pragma once

#include <QString>

#include <string>
#include <string_view>

// The document's Windows-1252 bytes as QString and back, through the document's codec
// (document/Windows1252.h).
namespace platform {

QString fromWindows1252(std::string_view bytes);

// True when every character of text has a Windows-1252 byte.
bool isWindows1252(const QString& text);

// Characters without a Windows-1252 byte are dropped; callers check first.
std::string toWindows1252(const QString& text);

} // namespace platform
