#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// std::filesystem paths from the program's names, which are UTF-8 on every platform, and back.
// A narrow string given to std::filesystem directly is read in the system's code page on
// Windows (byte by byte with mingw-w64), which turns "Brøndby" into another name.
namespace core {

std::filesystem::path utf8Path(std::string_view name);
std::string utf8Name(const std::filesystem::path& path);

} // namespace core
