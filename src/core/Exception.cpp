#include "core/Exception.h"

#include <cerrno>

namespace core {

EInOutError::EInOutError(int code)
    : Exception(messageFor(code))
    , m_code(code) {}

std::string EInOutError::messageFor(int code) {
    switch (code) {
    case 2:
        return "File not found";
    case 3:
        return "Invalid filename";
    case 4:
        return "Too many open files";
    case 5:
        return "File access denied";
    case 100:
        return "Read beyond end of file";
    case 101:
        return "Disk full";
    case 106:
        return "Invalid numeric input";
    default:
        return "I/O error " + std::to_string(code);
    }
}

int EInOutError::codeFromErrno(int err) noexcept {
    switch (err) {
    case ENOENT:
        return 2;
    case ENOTDIR:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
    case EROFS:
        return 5;
    case ENOSPC:
        return 101;
    default:
        return err;
    }
}

} // namespace core
