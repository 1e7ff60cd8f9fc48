#pragma once

#include <string>

namespace settings {

// An exclusive advisory lock (flock) on a lock file, held until destruction. Every process
// that changes the store takes it, so read-modify-write cycles never interleave.
class FileLock {
public:
    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Creates the lock file when missing and waits for the lock. Returns 0 or an errno.
    int acquire(const std::string& lockPath);
    bool isHeld() const { return m_fd >= 0; }
    void release();

private:
    int m_fd = -1;
};

} // namespace settings
