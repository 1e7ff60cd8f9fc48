#include "document/FileWriter.h"

#include "core/Exception.h"
#include "document/ConfigBuffer.h"
#include "document/FileDescriptor.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

namespace document {
namespace {

constexpr int kMaxLinkHops = 40;
constexpr std::size_t kMaxTempBaseLength = 200; // leaves room for the suffix within NAME_MAX

[[noreturn]] void raiseErrno(int err) {
    throw core::EInOutError(core::EInOutError::codeFromErrno(err));
}

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows symbolic links to the file that a save must replace; that file may not exist yet.
std::string resolveLinks(const std::string& path) {
    std::string p = path;
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0) {
            if (errno == ENOENT)
                return p;
            raiseErrno(errno);
        }
        if (!S_ISLNK(st.st_mode))
            return p;
        if (hops == kMaxLinkHops)
            raiseErrno(ELOOP);
        char target[PATH_MAX];
        const ssize_t n = ::readlink(p.c_str(), target, sizeof target);
        if (n < 0)
            raiseErrno(errno);
        if (std::size_t(n) == sizeof target)
            raiseErrno(ENAMETOOLONG);
        const std::string link(target, std::size_t(n));
        p = link.front() == '/' ? link : directoryOf(p) + "/" + link;
    }
}

// Writes every byte of the pieces; gives 0 or the errno of the failed write.
int writeAll(int fd, std::string_view text, std::string_view tail) {
    struct iovec pieces[2] = {{const_cast<char*>(text.data()), text.size()},
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

std::string_view finalLineEnd(std::string_view text) {
    return text.size() >= 2 && text.substr(text.size() - 2) == "\r\n" ? std::string_view() : "\r\n";
}

// A device or FIFO cannot be replaced; it is written in place.
void writeInPlace(const std::string& target, std::string_view text) {
    FileDescriptor fd(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.isValid())
        raiseErrno(errno);
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        raiseErrno(errno);
    if (const int err = writeAll(fd.get(), text, finalLineEnd(text)))
        raiseErrno(err);
    if (const int err = fd.close())
        raiseErrno(err);
}

// The temporary file of a save; removed unless it has been renamed over the target.
class TemporaryFile {
public:
    TemporaryFile(const std::string& directory, const std::string& baseName, mode_t mode) {
        static std::atomic<unsigned> counter{0};
        const std::string base = baseName.substr(0, kMaxTempBaseLength);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
            char suffix[64];
            std::snprintf(suffix, sizeof suffix, ".%d-%x-%llx.tmp", int(::getpid()), counter++,
                          static_cast<unsigned long long>(stamp) & 0xFFFFFFu);
            std::string candidate = directory + "/." + base + suffix;
            FileDescriptor fd(::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
            if (fd.isValid()) {
                m_path = std::move(candidate);
                m_fd = std::move(fd);
                return;
            }
            if (errno != EEXIST)
                raiseErrno(errno);
        }
        raiseErrno(EEXIST);
    }
    ~TemporaryFile() {
        m_fd.close();
        if (!m_path.empty())
            ::unlink(m_path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    FileDescriptor& fd() { return m_fd; }
    const std::string& path() const { return m_path; }
    void renamedAway() { m_path.clear(); }

private:
    std::string m_path;
    FileDescriptor m_fd;
};

void syncDirectory(const std::string& directory) {
    FileDescriptor dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.isValid())
        raiseErrno(errno);
    // Some file systems cannot sync a folder; the rename itself has happened.
    if (::fsync(dir.get()) != 0 && errno != EINVAL)
        raiseErrno(errno);
}

} // namespace

void writeFile(const std::string& path, const ConfigBuffer& buffer) {
    const std::string_view text = buffer.wholeText();
    const std::string target = resolveLinks(path);
    const std::string baseName = baseNameOf(target);
    if (baseName.empty())
        raiseErrno(EISDIR);

    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT)
        raiseErrno(errno);
    if (exists) {
        if (S_ISDIR(st.st_mode))
            raiseErrno(EISDIR);
        if (!S_ISREG(st.st_mode)) {
            writeInPlace(target, text);
            return;
        }
        // No write bit at all means read-only, also for a user whom permissions do not bind.
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            raiseErrno(EACCES);
        // Replacing the file needs only the folder's permission; the file's own must hold too.
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            raiseErrno(errno);
    }

    const std::string directory = directoryOf(target);
    TemporaryFile temp(directory, baseName, exists ? S_IRUSR | S_IWUSR : 0666);
    const int fd = temp.fd().get();
    if (exists) {
        // Keep the owner and group where allowed; chown clears set-id bits, so it comes first.
        if ((st.st_uid != ::geteuid() || st.st_gid != ::getegid()) &&
            ::fchown(fd, st.st_uid, st.st_gid) != 0) {
            // A user cannot give a file away; the group may still be one of the user's.
            [[maybe_unused]] const int groupKept = ::fchown(fd, uid_t(-1), st.st_gid);
        }
        if (::fchmod(fd, st.st_mode & 07777) != 0)
            raiseErrno(errno);
    }
    if (const int err = writeAll(fd, text, finalLineEnd(text)))
        raiseErrno(err);
    if (::fsync(fd) != 0)
        raiseErrno(errno);
    if (const int err = temp.fd().close())
        raiseErrno(err);
    if (::rename(temp.path().c_str(), target.c_str()) != 0)
        raiseErrno(errno);
    temp.renamedAway();
    syncDirectory(directory);
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

} // namespace document
