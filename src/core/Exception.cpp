#include "core/Exception.h"

namespace core {

EInOutError::EInOutError(int code)
    : Exception(messageFor(code))
    , m_code(code) {}

EInOutError::EInOutError(int code, const std::string& cause)
    : Exception(cause.empty() ? messageFor(code) : messageFor(code) + ": " + cause)
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
    case kFileBusy:
        return "File busy: another copy of the program is saving it";
    case kDeviceError:
        return "Input/output error: the disk or device failed";
    default:
        return "I/O error " + std::to_string(code);
    }
}

} // namespace core
