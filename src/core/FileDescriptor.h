#pragma once

// The POSIX side of the file kit: owns one file descriptor and closes it when it goes out of scope, so that
// no path through the file code leaves a descriptor open.
namespace core {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) noexcept
        : m_fd(fd) {}
    ~FileDescriptor();
    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const noexcept { return m_fd; }
    bool isValid() const noexcept { return m_fd >= 0; }
    // Closes now; gives 0, or the errno of a failed close. The descriptor is gone either way.
    int close() noexcept;

private:
    int m_fd;
};

} // namespace core
