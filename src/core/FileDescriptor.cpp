#include "core/FileDescriptor.h"

#include <cerrno>
#include <unistd.h>
#include <utility>

namespace core {

FileDescriptor::~FileDescriptor() {
    close();
}

FileDescriptor::FileDescriptor(FileDescriptor&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)) {}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        close();
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

int FileDescriptor::close() noexcept {
    if (m_fd < 0)
        return 0;
    const int fd = std::exchange(m_fd, -1);
    // On Linux the descriptor is released even when close() reports EINTR.
    if (::close(fd) != 0 && errno != EINTR)
        return errno;
    return 0;
}

} // namespace core
