// The POSIX side of FileReplacement: the temporary is locked with flock(), which ends with the
// process however it ends.
#include "core/FileReplacement.h"

#include "core/FileDescriptor.h"
#include "core/PosixIo.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace core::files {

namespace {

constexpr std::size_t kMaxTempBaseLength = 200; // leaves room for the suffix within NAME_MAX
constexpr auto kLockPoll = std::chrono::milliseconds(5);
constexpr int kMaxTempAttempts = 100;

// Takes the exclusive lock on `fd`, waiting up to `wait` for its holder.
SystemError lockExclusive(int fd, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return 0;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return errno;
        if (std::chrono::steady_clock::now() >= deadline)
            return kBusy;
        std::this_thread::sleep_for(kLockPoll);
    }
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

struct FileReplacement::Platform {
    std::string target;
    std::string temporary;
    FileDescriptor fd;   // written through, closed by flush()
    FileDescriptor lock; // the same open file, holding the lock until the temporary is gone
    bool renamed = false;
};

FileReplacement::FileReplacement(std::string target)
    : m_platform(std::make_unique<Platform>()) {
    m_platform->temporary =
        parentDirectory(target) + "/." + fileName(target).substr(0, kMaxTempBaseLength) + ".vantorel-save";
    m_platform->target = std::move(target);
}

FileReplacement::~FileReplacement() {
    discard();
}

void FileReplacement::discard() {
    Platform& p = *m_platform;
    p.fd.close();
    // The lock goes only after the removal, so no other writer takes a name about to vanish.
    if (p.lock.isValid() && !p.renamed)
        ::unlink(p.temporary.c_str());
    p.lock.close();
}

SystemError FileReplacement::create(std::uint32_t mode, std::chrono::milliseconds busyWait) {
    Platform& p = *m_platform;
    const char* name = p.temporary.c_str();
    for (int attempt = 0; attempt < kMaxTempAttempts; ++attempt) {
        bool created = true;
        FileDescriptor fd(::open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode_t(mode)));
        if (!fd.isValid()) {
            if (errno != EEXIST)
                return errno;
            created = false;
            fd = FileDescriptor(::open(name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
            if (!fd.isValid()) {
                if (errno == ENOENT)
                    continue; // gone meanwhile: its writer has just finished
                return errno;
            }
        }
        struct stat mine {};
        if (::fstat(fd.get(), &mine) != 0)
            return errno;
        // Only a regular file can be a temporary of ours; anything else is left alone.
        if (!S_ISREG(mine.st_mode))
            return EEXIST;
        if (const SystemError err = lockExclusive(fd.get(), busyWait))
            return err;
        // The lock holds only while the name still names the file locked: a writer that held
        // it before may have renamed it over its target or removed it.
        struct stat named {};
        if (::lstat(name, &named) != 0) {
            if (errno == ENOENT)
                continue;
            return errno;
        }
        if (!sameFile(mine, named))
            continue;
        if (!created) {
            if (::unlink(name) != 0 && errno != ENOENT)
                return errno;
            continue;
        }
        p.lock = FileDescriptor(::fcntl(fd.get(), F_DUPFD_CLOEXEC, 0));
        if (!p.lock.isValid()) {
            const SystemError err = errno;
            ::unlink(name);
            return err;
        }
        p.fd = std::move(fd);
        return 0;
    }
    return EEXIST;
}

SystemError FileReplacement::keepOwner(const FileState& like) {
    struct stat st {};
    if (::fstat(m_platform->fd.get(), &st) != 0)
        return errno;
    if (st.st_uid == like.owner && st.st_gid == like.group)
        return 0;
    return ::fchown(m_platform->fd.get(), like.owner, like.group) == 0 ? 0 : errno;
}

SystemError FileReplacement::keepMode(const FileState& like) {
    // After keepOwner(): changing the owner clears the set-id bits.
    return ::fchmod(m_platform->fd.get(), mode_t(like.mode)) == 0 ? 0 : errno;
}

SystemError FileReplacement::keepAttributes() {
    const Platform& p = *m_platform;
    std::vector<std::string> names;
    if (const SystemError err = posix::attributesToKeep(p.target, names))
        return err;
    std::string value;
    for (const std::string& name : names) {
        const ssize_t size = ::getxattr(p.target.c_str(), name.c_str(), nullptr, 0);
        if (size < 0)
            return errno;
        value.resize(std::size_t(size));
        const ssize_t got = ::getxattr(p.target.c_str(), name.c_str(), value.data(), value.size());
        if (got < 0)
            return errno;
        if (::fsetxattr(p.fd.get(), name.c_str(), value.data(), std::size_t(got), 0) != 0)
            return errno;
    }
    return 0;
}

SystemError FileReplacement::write(std::string_view head, std::string_view tail) {
    return posix::writeAll(m_platform->fd.get(), head, tail);
}

SystemError FileReplacement::flush(bool toDisk) {
    if (toDisk && ::fsync(m_platform->fd.get()) != 0)
        return errno;
    return m_platform->fd.close();
}

SystemError FileReplacement::replaceTarget(bool durable) {
    Platform& p = *m_platform;
    if (::rename(p.temporary.c_str(), p.target.c_str()) != 0)
        return errno;
    p.renamed = true;
    // Best effort: the file is replaced already, and some file systems or folders
    // (an unreadable one) cannot be synced.
    if (durable)
        syncDirectory(parentDirectory(p.target));
    return 0;
}

} // namespace core::files
