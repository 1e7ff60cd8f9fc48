#include "core/PosixIo.h"

#include <algorithm>
#include <cerrno>
#include <sys/uio.h>
#include <sys/xattr.h>

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

SystemError attributesToKeep(const std::string& path, std::vector<std::string>& names) {
    names.clear();
    std::string list;
    for (;;) {
        const ssize_t size = ::listxattr(path.c_str(), nullptr, 0);
        if (size < 0)
            return errno == ENOTSUP ? 0 : errno; // a file system without attributes
        list.resize(std::size_t(size));
        const ssize_t got = ::listxattr(path.c_str(), list.data(), list.size());
        if (got >= 0) {
            list.resize(std::size_t(got));
            break;
        }
        if (errno != ERANGE) // ERANGE: one was added meanwhile
            return errno;
    }
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t end = std::min(list.find('\0', start), list.size());
        const std::string name = list.substr(start, end - start);
        if (!name.empty() && !name.starts_with("security."))
            names.push_back(name);
        start = end + 1;
    }
    return 0;
}

} // namespace core::files::posix
