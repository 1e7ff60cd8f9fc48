#include "document/FileWriter.h"

#include "core/Exception.h"
#include "document/ConfigBuffer.h"
#include "document/FileDescriptor.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <thread>
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

// How long a save waits for another save of the same file to finish.
constexpr auto kLockWait = std::chrono::seconds(10);
constexpr auto kLockPoll = std::chrono::milliseconds(5);
constexpr int kMaxTempAttempts = 100;

// Takes the exclusive lock on `fd`, waiting a while for its holder; gives 0 or an errno.
int lockExclusive(int fd) {
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return 0;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline)
            return errno;
        std::this_thread::sleep_for(kLockPoll);
    }
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The temporary file of a save. Each target has one temporary name, ".<name>.vantorel-save",
// and the save that writes it holds an exclusive lock on it from creation until it has been
// renamed over the target or removed. A file under that name whose lock can be taken was left
// by a save that never finished (its process was killed or the machine went down): it is
// removed and made anew, so a killed save leaves nothing behind once the next save is done.
// Two saves of the same file at once take turns.
class TemporaryFile {
public:
    TemporaryFile(const std::string& directory, const std::string& baseName, mode_t mode)
        : m_name(directory + "/." + baseName.substr(0, kMaxTempBaseLength) + ".vantorel-save") {
        for (int attempt = 0; attempt < kMaxTempAttempts; ++attempt) {
            bool created = true;
            FileDescriptor fd(
                ::open(m_name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode));
            if (!fd.isValid()) {
                if (errno != EEXIST)
                    raiseErrno(errno);
                created = false;
                fd = FileDescriptor(::open(m_name.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
                if (!fd.isValid()) {
                    if (errno == ENOENT)
                        continue; // gone meanwhile: its save has just finished
                    raiseErrno(errno);
                }
            }
            struct stat mine {};
            if (::fstat(fd.get(), &mine) != 0)
                raiseErrno(errno);
            // Only a regular file can be a temporary of ours; anything else is left alone.
            if (!S_ISREG(mine.st_mode))
                raiseErrno(EEXIST);
            if (const int err = lockExclusive(fd.get()))
                raiseErrno(err);
            // The lock holds only while the name still names the file locked: a save that held
            // it before may have renamed it over its target or removed it.
            struct stat named {};
            if (::lstat(m_name.c_str(), &named) != 0) {
                if (errno == ENOENT)
                    continue;
                raiseErrno(errno);
            }
            if (!sameFile(mine, named))
                continue;
            if (!created) {
                if (::unlink(m_name.c_str()) != 0 && errno != ENOENT)
                    raiseErrno(errno);
                continue;
            }
            m_lock = FileDescriptor(::fcntl(fd.get(), F_DUPFD_CLOEXEC, 0));
            if (!m_lock.isValid()) {
                const int err = errno;
                ::unlink(m_name.c_str());
                raiseErrno(err);
            }
            m_fd = std::move(fd);
            return;
        }
        raiseErrno(EEXIST);
    }
    // Removes the file unless it became the target; the lock goes only after that, so no
    // other save can take a name that is about to be removed.
    ~TemporaryFile() {
        m_fd.close();
        if (m_lock.isValid() && !m_renamed)
            ::unlink(m_name.c_str());
        m_lock.close();
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    FileDescriptor& fd() { return m_fd; }
    const std::string& path() const { return m_name; }
    void renamedAway() { m_renamed = true; }

private:
    std::string m_name;
    FileDescriptor m_fd;   // written through, closed before the rename
    FileDescriptor m_lock; // the same open file, holding the lock until the end
    bool m_renamed = false;
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
