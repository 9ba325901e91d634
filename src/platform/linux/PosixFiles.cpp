// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/PosixFiles.h"

#include "platform/LocalTime.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <vector>

#include <unistd.h>

namespace
{
constexpr size_t kBlock = 1 << 20;

bool writeAll(int fd, const char *data, size_t size)
{
    while (size > 0)
    {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0)
        {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Reads up to size bytes at offset, looping over short reads; -1 on failure.
ssize_t readFull(int fd, char *data, size_t size, off_t offset)
{
    size_t done = 0;
    while (done < size)
    {
        const ssize_t n = ::pread(fd, data + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0)
        {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

// For calls whose failure is acceptable: the result is looked at and let go.
void bestEffort(int) {}

// Times beyond the years 1677 to 2262 (ext4 keeps them until 2446) wrap around, in unsigned
// arithmetic where that is defined: times less than 584 years apart still differ.
qint64 nanoseconds(const struct timespec &ts)
{
    return static_cast<qint64>(static_cast<quint64>(ts.tv_sec) * 1000000000ULL + static_cast<quint64>(ts.tv_nsec));
}

bool sameInode(const struct stat &a, const FileStatus &b)
{
    return a.st_dev == b.device && a.st_ino == b.inode;
}
} // namespace

namespace PosixFiles
{
FileStatus statusOf(const struct stat &st)
{
    FileStatus s;
    s.present = true;
    s.exists = S_ISREG(st.st_mode);
    s.size = st.st_size;
    s.mtime = static_cast<qint64>(st.st_mtim.tv_sec);
    s.mtimeNs = nanoseconds(st.st_mtim);
    s.ctimeNs = nanoseconds(st.st_ctim);
    s.stamp = LocalTime::stamp(st.st_mtim.tv_sec);
    s.device = st.st_dev;
    s.inode = st.st_ino;
    return s;
}

bool matches(const struct stat &st, const FileStatus &expected)
{
    return statusOf(st).sameFileAs(expected);
}

bool matchesAt(int dirFd, const char *name, const FileStatus &expected)
{
    struct stat st;
    return ::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && matches(st, expected);
}

QByteArray folderOf(const QByteArray &path)
{
    QByteArray p = path;
    while (p.size() > 1 && p.endsWith('/'))
        p.chop(1);
    const qsizetype slash = p.lastIndexOf('/');
    if (slash < 0)
        return QByteArray(".");
    return slash == 0 ? QByteArray("/") : p.left(slash);
}

QByteArray nameOf(const QByteArray &path)
{
    QByteArray p = path;
    while (p.size() > 1 && p.endsWith('/'))
        p.chop(1);
    return p.mid(p.lastIndexOf('/') + 1);
}

bool makePath(const QByteArray &folder, mode_t mode)
{
    struct stat st;
    if (::stat(folder.constData(), &st) == 0)
        return S_ISDIR(st.st_mode);
    const QByteArray parent = folderOf(folder);
    if (parent != folder && parent != "." && !makePath(parent, mode))
        return false;
    if (::mkdir(folder.constData(), mode) == 0)
        return true;
    return errno == EEXIST && ::stat(folder.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

int renameNoReplaceAt(int fromDir, const char *from, int toDir, const char *to)
{
    if (::renameat2(fromDir, from, toDir, to, RENAME_NOREPLACE) == 0)
        return 0;
    const int e = errno;
    if (e != EINVAL && e != ENOSYS && e != EOPNOTSUPP)
        return e;
    // No atomic no-replace rename on this file system: a new hard link cannot replace either.
    if (::linkat(fromDir, from, toDir, to, 0) != 0)
    {
        const int le = errno;
        if (le == EPERM || le == EOPNOTSUPP || le == ENOSYS || le == EMLINK)
            return EXDEV; // no hard links here: only a copy can do it
        return le;
    }
    if (::unlinkat(fromDir, from, 0) != 0)
    {
        const int ue = errno;
        ::unlinkat(toDir, to, 0);
        return ue;
    }
    return 0;
}

FileDescriptor openRegularAt(int dirFd, const char *name)
{
    FileDescriptor fd(::openat(dirFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid())
        return fd;
    struct stat st;
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
    {
        fd.reset();
        errno = EINVAL;
        return fd;
    }
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    return fd;
}

int compareContents(int a, int b, const std::function<void()> &pulse)
{
    // Blocks of at most 1 MiB; a smaller file is read whole in one call, its end seen at once.
    struct stat st;
    const off_t size = ::fstat(a, &st) == 0 ? st.st_size : static_cast<off_t>(kBlock);
    const size_t block = std::min(kBlock, static_cast<size_t>(std::max<off_t>(size, 0)) + 1);
    const auto x = std::make_unique_for_overwrite<char[]>(block);
    const auto y = std::make_unique_for_overwrite<char[]>(block);
    for (off_t offset = 0;; offset += static_cast<off_t>(block))
    {
        const ssize_t n = readFull(a, x.get(), block, offset);
        const ssize_t m = readFull(b, y.get(), block, offset);
        if (n < 0 || m < 0)
            return -1;
        if (n != m || std::memcmp(x.get(), y.get(), static_cast<size_t>(n)) != 0)
            return 1;
        if (n < static_cast<ssize_t>(block))
            return 0;
        if (pulse)
            pulse();
    }
}

FileOpResult copyExclusiveAt(int srcFd, int dirFd, const char *to, bool verify, const std::function<void()> &pulse)
{
    struct stat before;
    if (::fstat(srcFd, &before) != 0)
        return FileOpResult::failure(FileOpError::System, errno);
    FileDescriptor out(::openat(dirFd, to, O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!out.valid())
        return FileOpResult::failure(FileOpError::System, errno);
    auto fail = [&](FileOpError error, int number = 0) {
        out.reset();
        ::unlinkat(dirFd, to, 0);
        return FileOpResult::failure(error, number);
    };

    std::vector<char> buffer(kBlock);
    off_t offset = 0;
    for (;;)
    {
        const ssize_t n = readFull(srcFd, buffer.data(), kBlock, offset);
        if (n < 0)
            return fail(FileOpError::System, errno);
        if (n == 0)
            break;
        if (!writeAll(out.get(), buffer.data(), static_cast<size_t>(n)))
            return fail(FileOpError::System, errno);
        offset += n;
        if (pulse)
            pulse();
    }

    // Owner, permissions and times as the source had them; a file system that keeps none of
    // them (or a user who may not give files away) still gets the data.
    bestEffort(::fchown(out.get(), before.st_uid, before.st_gid));
    bestEffort(::fchmod(out.get(), before.st_mode & 07777));
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    bestEffort(::futimens(out.get(), times));

    if (verify)
    {
        // Flush, drop the cached pages, and read the copy back from the disk.
        if (::fsync(out.get()) != 0)
            return fail(FileOpError::System, errno);
        ::posix_fadvise(out.get(), 0, 0, POSIX_FADV_DONTNEED);
        const int same = compareContents(srcFd, out.get(), pulse);
        if (same < 0)
            return fail(FileOpError::System, errno);
        if (same > 0)
            return fail(FileOpError::Mismatch);
    }

    struct stat after;
    if (::fstat(srcFd, &after) != 0)
        return fail(FileOpError::System, errno);
    if (after.st_size != before.st_size || offset != before.st_size ||
        nanoseconds(after.st_mtim) != nanoseconds(before.st_mtim))
        return fail(FileOpError::Changed);
    if (out.close() != 0)
    {
        const int e = errno;
        ::unlinkat(dirFd, to, 0);
        return FileOpResult::failure(FileOpError::System, e);
    }
    return FileOpResult::success(QString());
}

FileOpResult unlinkExpected(int dirFd, const char *name, const FileStatus &expected)
{
    struct stat st;
    if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return FileOpResult::failure(FileOpError::System, errno);
    if (!S_ISREG(st.st_mode) || !matches(st, expected))
        return FileOpResult::failure(FileOpError::Changed);

    char aside[NAME_MAX + 1];
    std::snprintf(aside, sizeof aside, ".corvina-removing-%016llx",
                  static_cast<unsigned long long>(QRandomGenerator::system()->generate64()));
    if (::renameat2(dirFd, name, dirFd, aside, RENAME_NOREPLACE) != 0)
    {
        const int e = errno;
        if (e != EINVAL && e != ENOSYS && e != EOPNOTSUPP)
            return FileOpResult::failure(FileOpError::System, e);
        // No atomic rename here (some network file systems): the look above was the last one.
        if (::unlinkat(dirFd, name, 0) != 0)
            return FileOpResult::failure(FileOpError::System, errno);
        return FileOpResult::success(QString());
    }
    if (::fstatat(dirFd, aside, &st, AT_SYMLINK_NOFOLLOW) != 0 || !sameInode(st, expected))
    {
        // Another file took the name between the look and the rename: it goes back untouched.
        ::renameat2(dirFd, aside, dirFd, name, RENAME_NOREPLACE);
        return FileOpResult::failure(FileOpError::Changed);
    }
    if (::unlinkat(dirFd, aside, 0) != 0)
    {
        const int e = errno;
        ::renameat2(dirFd, aside, dirFd, name, RENAME_NOREPLACE);
        return FileOpResult::failure(FileOpError::System, e);
    }
    return FileOpResult::success(QString());
}

QByteArray pathOf(int dirFd)
{
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", dirFd);
    char target[PATH_MAX];
    const ssize_t n = ::readlink(link, target, sizeof target);
    if (n <= 0 || n >= static_cast<ssize_t>(sizeof target) || target[0] != '/')
        return {};
    return QByteArray(target, n);
}
} // namespace PosixFiles
