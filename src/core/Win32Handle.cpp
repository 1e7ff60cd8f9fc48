#include "core/Win32Handle.h"

#include <windows.h>

namespace core::win32 {

// CreateFileW gives INVALID_HANDLE_VALUE on failure; a null handle is no file either.
Win32Handle::Win32Handle(void* handle) noexcept
    : m_handle(handle == nullptr ? invalid() : handle) {}

Win32Handle& Win32Handle::operator=(Win32Handle&& other) noexcept {
    if (this != &other) {
        close();
        m_handle = std::exchange(other.m_handle, invalid());
    }
    return *this;
}

unsigned long Win32Handle::close() noexcept {
    if (!isValid())
        return 0;
    return ::CloseHandle(std::exchange(m_handle, invalid())) ? 0 : ::GetLastError();
}

} // namespace core::win32
