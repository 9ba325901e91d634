#include "platform/FileTransfer.h"

#include "platform/NativePath.h"
#include "platform/linux/PosixFiles.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
constexpr int kMaxNumber = 9999;

FileOpResult systemFailure(int number)
{
    return FileOpResult::failure(FileOpError::System, number);
}

// The folder's bytes without the trailing "/" (but "/" itself stays).
QByteArray folderBytes(const QString &folder)
{
    QByteArray bytes = NativePath::encode(folder);
    while (bytes.size() > 1 && bytes.endsWith('/'))
        bytes.chop(1);
    return bytes;
}

QByteArray candidate(const QByteArray &folder, const QString &name, int n)
{
    return (folder == "/" ? folder : folder + '/') + NativePath::encode(FileTransfer::numberedName(name, n));
}

class OpenFile
{
public:
    explicit OpenFile(int fd = -1) : m_fd(fd) {}
    ~OpenFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    OpenFile(const OpenFile &) = delete;
    OpenFile &operator=(const OpenFile &) = delete;
    void reset(int fd)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }
    int fd() const { return m_fd; }

private:
    int m_fd;
};

bool sameInode(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}
} // namespace

namespace FileTransfer
{
FileOpResult copyNoClobber(const QString &source, const QString &destFolder, const Pulse &pulse)
{
    if (!destFolder.startsWith(u'/'))
        return FileOpResult::failure(FileOpError::NotAbsolute);
    const OpenFile in(PosixFiles::openRegular(NativePath::encode(source).constData()));
    if (in.fd() < 0)
        return systemFailure(errno);
    const QByteArray dest = folderBytes(destFolder);
    if (!PosixFiles::makePath(dest, 0777))
        return systemFailure(errno);
    const QString name = NativePath::decode(PosixFiles::nameOf(NativePath::encode(source)));
    for (int n = 1; n <= kMaxNumber; ++n)
    {
        const QByteArray to = candidate(dest, name, n);
        const FileOpResult r = PosixFiles::copyExclusive(in.fd(), to.constData(), false, pulse);
        if (r.error == FileOpError::System && r.errorNumber == EEXIST)
            continue;
        return r.ok() ? FileOpResult::success(NativePath::decode(to)) : r;
    }
    return FileOpResult::failure(FileOpError::NoFreeName);
}

FileOpResult moveNoClobber(const QString &source, const QString &destFolder, const FileStatus *expected,
                           const Pulse &pulse)
{
    if (!destFolder.startsWith(u'/'))
        return FileOpResult::failure(FileOpError::NotAbsolute);
    const QByteArray from = NativePath::encode(source);
    struct stat st;
    if (::lstat(from.constData(), &st) != 0)
        return systemFailure(errno);
    if (!S_ISREG(st.st_mode) || (expected && !PosixFiles::matches(st, *expected)))
        return FileOpResult::failure(FileOpError::Changed);

    const QByteArray dest = folderBytes(destFolder);
    if (!PosixFiles::makePath(dest, 0777))
        return systemFailure(errno);
    struct stat destSt;
    struct stat fromFolderSt;
    if (::stat(dest.constData(), &destSt) == 0 && ::stat(PosixFiles::folderOf(from).constData(), &fromFolderSt) == 0 &&
        sameInode(destSt, fromFolderSt))
        return FileOpResult::failure(FileOpError::SameFolder);

    const QString name = NativePath::decode(PosixFiles::nameOf(from));
    OpenFile in;
    for (int n = 1; n <= kMaxNumber; ++n)
    {
        const QByteArray to = candidate(dest, name, n);
        if (in.fd() < 0)
        {
            const int e = PosixFiles::renameNoReplace(from.constData(), to.constData());
            if (e == EEXIST)
                continue;
            if (e == 0)
            {
                // The name was checked just before; make sure that file is the one that went.
                struct stat moved;
                if (::lstat(to.constData(), &moved) == 0 && sameInode(moved, st))
                    return FileOpResult::success(NativePath::decode(to));
                PosixFiles::renameNoReplace(to.constData(), from.constData());
                return FileOpResult::failure(FileOpError::Changed);
            }
            if (e != EXDEV)
                return systemFailure(e);
            in.reset(PosixFiles::openRegular(from.constData()));
            struct stat opened;
            if (in.fd() < 0)
                return systemFailure(errno);
            if (::fstat(in.fd(), &opened) != 0 || !sameInode(opened, st) ||
                (expected && !PosixFiles::matches(opened, *expected)))
                return FileOpResult::failure(FileOpError::Changed);
        }
        // Another file system: a verified copy first, then the source goes.
        const FileOpResult r = PosixFiles::copyExclusive(in.fd(), to.constData(), true, pulse);
        if (r.error == FileOpError::System && r.errorNumber == EEXIST)
            continue;
        if (!r.ok())
            return r;
        struct stat now;
        if (::lstat(from.constData(), &now) != 0 || !sameInode(now, st))
        {
            ::unlink(to.constData());
            return FileOpResult::failure(FileOpError::Changed);
        }
        if (::unlink(from.constData()) != 0)
        {
            const int e = errno;
            ::unlink(to.constData());
            return systemFailure(e);
        }
        return FileOpResult::success(NativePath::decode(to));
    }
    return FileOpResult::failure(FileOpError::NoFreeName);
}

FileOpResult renameNoReplace(const QString &oldPath, const QString &newPath)
{
    const QByteArray from = NativePath::encode(oldPath);
    const QByteArray to = NativePath::encode(newPath);
    const int e = PosixFiles::renameNoReplace(from.constData(), to.constData());
    if (e == 0)
        return FileOpResult::success(newPath);
    struct stat a;
    struct stat b;
    const bool bothThere = ::lstat(from.constData(), &a) == 0 && ::lstat(to.constData(), &b) == 0;
    const bool caseOnly =
        PosixFiles::folderOf(from) == PosixFiles::folderOf(to) && oldPath.compare(newPath, Qt::CaseInsensitive) == 0;
    if (e == EEXIST && bothThere && sameInode(a, b) && caseOnly)
    {
        // The new name reaches the file itself: a change of letter case on a file system
        // that ignores case.
        if (::rename(from.constData(), to.constData()) != 0)
            return systemFailure(errno);
        return FileOpResult::success(newPath);
    }
    if (e == EXDEV && PosixFiles::folderOf(from) == PosixFiles::folderOf(to))
    {
        // A file system with neither no-replace renames nor hard links: look, then rename.
        if (::lstat(to.constData(), &b) == 0)
            return systemFailure(EEXIST);
        if (::rename(from.constData(), to.constData()) != 0)
            return systemFailure(errno);
        return FileOpResult::success(newPath);
    }
    return systemFailure(e);
}

FileOpResult deleteForGood(const QString &path, const FileStatus *expected)
{
    const QByteArray bytes = NativePath::encode(path);
    struct stat st;
    if (::lstat(bytes.constData(), &st) != 0)
        return systemFailure(errno);
    if (!S_ISREG(st.st_mode) || (expected && !PosixFiles::matches(st, *expected)))
        return FileOpResult::failure(FileOpError::Changed);
    if (::unlink(bytes.constData()) != 0)
        return systemFailure(errno);
    return FileOpResult::success(QString());
}
} // namespace FileTransfer
