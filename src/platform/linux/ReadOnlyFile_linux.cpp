// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ReadOnlyFile.h"

#include "platform/NativePath.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <limits>
#include <utility>

ReadOnlyFile::ReadOnlyFile(ReadOnlyFile &&other) noexcept
    : m_fd(std::move(other.m_fd)), m_size(std::exchange(other.m_size, 0))
{}

ReadOnlyFile &ReadOnlyFile::operator=(ReadOnlyFile &&other) noexcept
{
    if (this != &other)
    {
        m_fd = std::move(other.m_fd);
        m_size = std::exchange(other.m_size, 0);
    }
    return *this;
}

namespace
{
// O_NONBLOCK: a FIFO put in a file's place must not hang the scan; it is refused after the open.
constexpr int FileFlags = O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
} // namespace

bool ReadOnlyFile::open(const QString &path)
{
    close();
    return take(FileDescriptor(::open(NativePath::encode(path).constData(), FileFlags)));
}

bool ReadOnlyFile::openIn(const FileDescriptor &folder, QStringView name)
{
    close();
    // A name with a "/" would reach past the folder.
    if (!folder.valid() || name.isEmpty() || name.contains(u'/'))
        return false;
    return take(FileDescriptor(::openat(folder.get(), NativePath::encode(name).constData(), FileFlags)));
}

FileDescriptor ReadOnlyFile::openFolder(const QString &path)
{
    return FileDescriptor(::open(NativePath::encode(path).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
}

bool ReadOnlyFile::take(FileDescriptor fd)
{
    if (!fd.valid())
        return false;
    struct stat st;
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    m_fd = std::move(fd);
    m_size = static_cast<qint64>(st.st_size);
    return true;
}

void ReadOnlyFile::close()
{
    m_fd.reset();
    m_size = 0;
}

qint64 ReadOnlyFile::readAt(char *buffer, qint64 length, qint64 offset) const
{
    if (!m_fd.valid())
        return -1;
    qint64 done = 0;
    while (done < length)
    {
        const ssize_t n =
            ::pread(m_fd.get(), buffer + done, static_cast<size_t>(length - done), static_cast<off_t>(offset + done));
        if (n < 0)
        {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

void ReadOnlyFile::adviseSequential() const
{
    if (m_fd.valid())
        ::posix_fadvise(m_fd.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
}

qint64 ReadOnlyFile::openLimit()
{
    struct rlimit limit;
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return 1024;
    return static_cast<qint64>(limit.rlim_cur);
}

void ReadOnlyFile::reserveDescriptors(qint64 count)
{
    const qint64 wanted = std::min({count, openLimit(), qint64{std::numeric_limits<int>::max()}});
    if (wanted < 2)
        return;
    // F_DUPFD takes the lowest free number from its argument on, growing the table to hold it;
    // the table keeps its size when the copy is closed again.
    const FileDescriptor anchor(::open("/", O_PATH | O_CLOEXEC));
    if (anchor.valid())
    {
        const FileDescriptor highest(::fcntl(anchor.get(), F_DUPFD_CLOEXEC, static_cast<int>(wanted - 1)));
    }
}
