// SPDX-License-Identifier: GPL-3.0-or-later
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
    /// Closes the descriptor held (if any) and takes fd. errno is left as it was, so that a
    /// descriptor closed on the way out of a failed call never hides why the call failed.
    void reset(int fd = -1);
    /// Closes the descriptor now and returns what the system's close returned (0, or -1 with
    /// errno set): the last word on a file just written, whose data may fail to reach the disk.
    int close();
    /// Gives the descriptor to a new owner, which closes it; this holds none after.
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd = -1;
};
