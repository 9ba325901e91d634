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

// A fresh hidden name for a copy that is not finished yet.
QByteArray partName()
{
    return QByteArray(".corvina-part-") +
           QByteArray::number(static_cast<qulonglong>(QRandomGenerator::system()->generate64()), 16);
}

QByteArray procPath(int fd)
{
    return QByteArray("/proc/self/fd/") + QByteArray::number(fd);
}

// An unnamed file in the folder, when the file system has them and the file can be named later
// without a privilege: through its link in /proc, which must be there and reach it.
FileDescriptor openUnnamed(int dirFd)
{
    FileDescriptor fd(::openat(dirFd, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
    struct stat made;
    struct stat seen;
    if (fd.valid() && (::fstat(fd.get(), &made) != 0 || ::stat(procPath(fd.get()).constData(), &seen) != 0 ||
                       made.st_dev != seen.st_dev || made.st_ino != seen.st_ino))
        fd.reset();
    return fd;
}
// Copies every byte of from into to, from the start; the number copied, or -1 with errno set.
off_t copyAll(int from, int to, const std::function<void()> &pulse)
{
    std::vector<char> buffer(kBlock);
    off_t offset = 0;
    for (;;)
    {
        const ssize_t n = readFull(from, buffer.data(), kBlock, offset);
        if (n < 0)
            return -1;
        if (n == 0)
            return offset;
        if (!writeAll(to, buffer.data(), static_cast<size_t>(n)))
            return -1;
        offset += n;
        if (pulse)
            pulse();
    }
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

bool folderMatches(const struct stat &st, const FileStatus &expected, bool withTime)
{
    return S_ISDIR(st.st_mode) && st.st_dev == expected.device && st.st_ino == expected.inode &&
           (!withTime || nanoseconds(st.st_mtim) == expected.mtimeNs);
}

bool folderMatchesAt(int dirFd, const char *name, const FileStatus &expected, bool withTime)
{
    struct stat st;
    return ::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && folderMatches(st, expected, withTime);
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

StagedCopy::~StagedCopy()
{
    discard();
}

void StagedCopy::discard()
{
    m_file.reset();
    if (!m_hidden.isEmpty())
        ::unlinkat(m_dir, m_hidden.constData(), 0);
    m_hidden.clear();
}

bool StagedCopy::openStaging(int dirFd)
{
    m_file = openUnnamed(dirFd);
    if (m_file.valid())
        return true;
    const QByteArray name = partName();
    m_file =
        FileDescriptor(::openat(dirFd, name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!m_file.valid())
        return false;
    m_hidden = name;
    return true;
}

FileOpResult StagedCopy::make(int srcFd, int dirFd, bool verify, const std::function<void()> &pulse)
{
    struct stat before;
    if (::fstat(srcFd, &before) != 0)
        return FileOpResult::failure(FileOpError::System, errno);
    discard();
    m_dir = dirFd;
    m_placed.clear();
    if (!openStaging(dirFd))
        return FileOpResult::failure(FileOpError::System, errno);
    auto fail = [this](FileOpError error, int number = 0) {
        discard();
        return FileOpResult::failure(error, number);
    };

    const off_t copied = copyAll(srcFd, m_file.get(), pulse);
    if (copied < 0)
        return fail(FileOpError::System, errno);

    // Owner, permissions and times as the source had them; a file system that keeps none of
    // them (or a user who may not give files away) still gets the data.
    bestEffort(::fchown(m_file.get(), before.st_uid, before.st_gid));
    bestEffort(::fchmod(m_file.get(), before.st_mode & 07777));
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    bestEffort(::futimens(m_file.get(), times));

    if (verify)
    {
        // The source is about to go: the copy is on the disk before it has a name, so a power
        // cut cannot lose both. A plain copy leaves the source, and skips the flush's cost.
        if (::fsync(m_file.get()) != 0)
            return fail(FileOpError::System, errno);
        // Drop the cached pages and read the copy back from the disk.
        ::posix_fadvise(m_file.get(), 0, 0, POSIX_FADV_DONTNEED);
        const int same = compareContents(srcFd, m_file.get(), pulse);
        if (same < 0)
            return fail(FileOpError::System, errno);
        if (same > 0)
            return fail(FileOpError::Mismatch);
    }

    struct stat after;
    if (::fstat(srcFd, &after) != 0)
        return fail(FileOpError::System, errno);
    if (after.st_size != before.st_size || copied != before.st_size ||
        nanoseconds(after.st_mtim) != nanoseconds(before.st_mtim))
        return fail(FileOpError::Changed);
    return FileOpResult::success(QString());
}

int StagedCopy::place(const char *to)
{
    if (!m_file.valid() || !m_placed.isEmpty())
        return EINVAL;
    int e = 0;
    if (m_hidden.isEmpty())
    {
        // AT_EMPTY_PATH may need a privilege; the descriptor's link in /proc names the file too
        // (openUnnamed made sure it does).
        if (::linkat(m_file.get(), "", m_dir, to, AT_EMPTY_PATH) != 0)
        {
            e = errno;
            if (e != EEXIST)
                e = ::linkat(AT_FDCWD, procPath(m_file.get()).constData(), m_dir, to, AT_SYMLINK_FOLLOW) == 0 ? 0
                                                                                                              : errno;
        }
    }
    else
    {
        e = renameNoReplaceAt(m_dir, m_hidden.constData(), m_dir, to);
        if (e == EXDEV)
            e = placeByClaim(to);
        if (e == 0)
            m_hidden.clear();
    }
    if (e == 0)
        m_placed = to;
    return e;
}

int StagedCopy::placeByClaim(const char *to)
{
    // Neither no-replace renames nor hard links here: the name is claimed by an empty file made
    // exclusively, and the copy replaces it only while it is still that empty file.
    FileDescriptor claim(::openat(m_dir, to, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!claim.valid())
        return errno;
    struct stat made;
    struct stat now;
    const bool looked = ::fstat(claim.get(), &made) == 0;
    claim.reset();
    if (!looked || ::fstatat(m_dir, to, &now, AT_SYMLINK_NOFOLLOW) != 0 || now.st_dev != made.st_dev ||
        now.st_ino != made.st_ino)
        return EEXIST; // the name holds something else now: leave it
    if (::renameat(m_dir, m_hidden.constData(), m_dir, to) != 0)
    {
        const int e = errno;
        ::unlinkat(m_dir, to, 0);
        return e;
    }
    return 0;
}

void StagedCopy::unplace()
{
    struct stat mine;
    struct stat there;
    if (!m_placed.isEmpty() && ::fstat(m_file.get(), &mine) == 0 &&
        ::fstatat(m_dir, m_placed.constData(), &there, AT_SYMLINK_NOFOLLOW) == 0 && mine.st_dev == there.st_dev &&
        mine.st_ino == there.st_ino)
        ::unlinkat(m_dir, m_placed.constData(), 0);
    m_placed.clear();
}

void syncFolder(int dirFd)
{
    const FileDescriptor fd(::openat(dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        bestEffort(::fsync(fd.get()));
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
