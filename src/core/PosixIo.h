#pragma once

#include "core/FileKit.h"

#include <string>
#include <string_view>
#include <vector>

// Small POSIX helpers shared by the POSIX side of the file kit; nothing outside core/ uses them.
namespace core::files::posix {

// Writes every byte of head, then of tail; gives 0 or the errno of the failed write.
SystemError writeAll(int fd, std::string_view head, std::string_view tail);

// The names of the extended attributes (access lists included) that a new file would not get
// by itself: all but the security labels, which the system gives every new file.
SystemError attributesToKeep(const std::string& path, std::vector<std::string>& names);

} // namespace core::files::posix
