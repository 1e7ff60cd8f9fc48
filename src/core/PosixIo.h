#pragma once

#include "core/FileKit.h"

#include <string_view>

// Small POSIX helpers shared by the POSIX side of the file kit; nothing outside core/ uses them.
namespace core::files::posix {

// Writes every byte of head, then of tail; gives 0 or the errno of the failed write.
SystemError writeAll(int fd, std::string_view head, std::string_view tail);

} // namespace core::files::posix
