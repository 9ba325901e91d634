// An open file descriptor that is closed when it goes out of scope.
#pragma once

#include <utility>

/// Owns one descriptor (or none: -1). Moves, never copies, so a descriptor is closed exactly once.
class FileDescriptor
{
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(FileDescriptor &&other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    FileDescriptor &operator=(FileDescriptor &&other) noexcept
    {
        if (this != &other)
            reset(std::exchange(other.m_fd, -1));
        return *this;
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    /// Closes the descriptor held (if any) and takes fd.
    void reset(int fd = -1);

private:
    int m_fd = -1;
};
