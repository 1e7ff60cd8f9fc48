#include "core/Win32Io.h"

#include <algorithm>
#include <windows.h>

namespace core::files::win32 {
namespace {

// WriteFile takes at most 4 GiB - 1 at a time.
constexpr std::size_t kMaxChunk = 1u << 30;

SystemError writePiece(HANDLE handle, std::string_view piece) {
    while (!piece.empty()) {
        DWORD written = 0;
        if (!::WriteFile(handle, piece.data(), DWORD(std::min(piece.size(), kMaxChunk)), &written, nullptr))
            return ::GetLastError();
        piece.remove_prefix(written);
    }
    return 0;
}

} // namespace

SystemError writeAll(void* handle, std::string_view head, std::string_view tail) {
    if (const SystemError err = writePiece(handle, head))
        return err;
    return writePiece(handle, tail);
}

} // namespace core::files::win32
