#pragma once

#include <utility>

// Owns one Windows file handle and closes it when it goes out of scope, so that no path
// through the file code leaves a file open (and, without sharing, locked). Windows only.
namespace core::win32 {

class Win32Handle {
public:
    Win32Handle() noexcept = default;
    explicit Win32Handle(void* handle) noexcept;
    ~Win32Handle() { close(); }
    Win32Handle(Win32Handle&& other) noexcept
        : m_handle(std::exchange(other.m_handle, invalid())) {}
    Win32Handle& operator=(Win32Handle&& other) noexcept;
    Win32Handle(const Win32Handle&) = delete;
    Win32Handle& operator=(const Win32Handle&) = delete;

    void* get() const noexcept { return m_handle; }
    bool isValid() const noexcept { return m_handle != invalid(); }
    // Closes now; gives 0, or the error of a failed close. The handle is gone either way.
    unsigned long close() noexcept;

private:
    // INVALID_HANDLE_VALUE, without the Windows header here.
    static void* invalid() noexcept { return reinterpret_cast<void*>(-1); }

    void* m_handle = invalid();
};

} // namespace core::win32
