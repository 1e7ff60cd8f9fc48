#pragma once

#include "core/FileKit.h"

#include <cstddef>
#include <functional>
#include <string>

// The reading loop of readWholeFile(), shared by the kit's platform sides.
namespace core::files {

// Reads at most `size` bytes into `buffer`, setting `got` (0 at the end of the file); gives 0
// or an error.
using ReadSome = std::function<SystemError(char* buffer, std::size_t size, std::size_t& got)>;

// Reads to the end of the file into `data`, whose size is that of the file when it was opened:
// a file that shrank meanwhile is cut there, one that grew is followed up to `limit` bytes
// (kTooLarge beyond).
SystemError readToEnd(const ReadSome& read, std::string& data, std::size_t limit);

} // namespace core::files
