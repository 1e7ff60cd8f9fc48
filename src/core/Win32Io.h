#pragma once

#include "core/FileKit.h"

#include <string_view>

// Small Windows helpers shared by the Windows side of the file kit; nothing outside core/ uses them.
namespace core::files::win32 {

// Writes every byte of head, then of tail; gives 0 or the error of the failed write.
SystemError writeAll(void* handle, std::string_view head, std::string_view tail);

} // namespace core::files::win32
