#include "settings/FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace settings {

FileLock::~FileLock() {
    release();
}

int FileLock::acquire(const std::string& lockPath) {
    release();
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            const int err = errno;
            ::close(fd);
            return err;
        }
    }
    m_fd = fd;
    return 0;
}

void FileLock::release() {
    if (m_fd >= 0) {
        ::close(m_fd); // closing the only descriptor drops the lock
        m_fd = -1;
    }
}

} // namespace settings
