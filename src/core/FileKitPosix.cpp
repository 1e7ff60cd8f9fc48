// The POSIX side of the file kit's plain calls (FileKit.h).
#include "core/FileDescriptor.h"
#include "core/FileKit.h"
#include "core/PosixIo.h"
#include "core/ReadToEnd.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace core::files {

namespace {

constexpr int kMaxLinkHops = 40;
constexpr int kOtherErrorBase = 1000;

} // namespace

int ioCodeFor(SystemError error) {
    switch (error) {
    case kBusy:
        return 32;
    case kNotAFile:
        return 3;
    case ENOENT:
        return 2;
    case ENOTDIR:
    case ENAMETOOLONG:
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
        return kOtherErrorBase + error;
    }
}

bool isAccessDenied(SystemError error) {
    return error == EACCES || error == EPERM;
}

bool isNotFound(SystemError error) {
    return error == ENOENT;
}

// The codes' messages say it all on POSIX systems.
std::string causeOf(SystemError) {
    return {};
}

SystemError inspect(const std::string& path, FileState& state) {
    state = FileState{};
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return errno == ENOENT ? 0 : errno;
    if (S_ISREG(st.st_mode))
        state.kind = FileState::Kind::Regular;
    else if (S_ISDIR(st.st_mode))
        state.kind = FileState::Kind::Directory;
    else
        state.kind = FileState::Kind::Other;
    state.hasWriteBit = (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    state.hasOtherNames = S_ISREG(st.st_mode) && st.st_nlink > 1;
    std::vector<std::string> attributes;
    state.hasAttributes =
        S_ISREG(st.st_mode) && (posix::attributesToKeep(path, attributes) != 0 || !attributes.empty());
    state.mode = st.st_mode & 07777;
    state.owner = st.st_uid;
    state.group = st.st_gid;
    return 0;
}

SystemError resolveLinks(const std::string& path, std::string& resolved) {
    std::string p = path;
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0) {
            if (errno != ENOENT)
                return errno;
            break;
        }
        if (!S_ISLNK(st.st_mode))
            break;
        if (hops == kMaxLinkHops)
            return ELOOP;
        char target[PATH_MAX];
        const ssize_t n = ::readlink(p.c_str(), target, sizeof target);
        if (n < 0)
            return errno;
        if (std::size_t(n) == sizeof target)
            return ENAMETOOLONG;
        const std::string link(target, std::size_t(n));
        p = link.front() == '/' ? link : parentDirectory(p) + "/" + link;
    }
    resolved = std::move(p);
    return 0;
}

SystemError checkWritable(const std::string& path) {
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0 ? 0 : errno;
}

SystemError syncDirectory(const std::string& directory) {
    FileDescriptor dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.isValid())
        return errno;
    return ::fsync(dir.get()) == 0 ? 0 : errno;
}

SystemError readWholeFile(const std::string& path, std::string& contents, std::size_t limit, bool* opened) {
    contents.clear();
    // Non-blocking, so that opening a FIFO cannot wait for a writer; no effect on a file.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.isValid())
        return errno;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return errno;
    if (!S_ISREG(st.st_mode))
        return kNotAFile;
    if (opened)
        *opened = true;
    if (std::uintmax_t(st.st_size) > limit)
        return kTooLarge;
    contents.resize(std::size_t(st.st_size));
    const auto readSome = [&fd](char* buffer, std::size_t size, std::size_t& got) -> SystemError {
        for (;;) {
            const ssize_t n = ::read(fd.get(), buffer, size);
            if (n >= 0) {
                got = std::size_t(n);
                return 0;
            }
            if (errno != EINTR)
                return errno;
        }
    };
    if (const SystemError err = readToEnd(readSome, contents, limit))
        return err;
    return fd.close();
}

SystemError writeInPlace(const std::string& path, std::string_view head, std::string_view tail) {
    // Non-blocking open: a FIFO without a reader fails at once instead of hanging.
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.isValid())
        return errno;
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        return errno;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return errno;
    if (const SystemError err = posix::writeAll(fd.get(), head, tail))
        return err;
    if (S_ISREG(st.st_mode) && ::fsync(fd.get()) != 0)
        return errno;
    return fd.close();
}

} // namespace core::files
