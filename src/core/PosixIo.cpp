#include "core/PosixIo.h"

#include <cerrno>
#include <sys/uio.h>

namespace core::files::posix {

SystemError writeAll(int fd, std::string_view head, std::string_view tail) {
    struct iovec pieces[2] = {{const_cast<char*>(head.data()), head.size()},
                              {const_cast<char*>(tail.data()), tail.size()}};
    int first = 0;
    while (first < 2) {
        if (pieces[first].iov_len == 0) {
            ++first;
            continue;
        }
        const ssize_t n = ::writev(fd, pieces + first, 2 - first);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        auto left = std::size_t(n);
        while (first < 2 && left >= pieces[first].iov_len) {
            left -= pieces[first].iov_len;
            pieces[first].iov_len = 0;
            ++first;
        }
        if (first < 2) {
            pieces[first].iov_base = static_cast<char*>(pieces[first].iov_base) + left;
            pieces[first].iov_len -= left;
        }
    }
    return 0;
}

} // namespace core::files::posix
