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

bool sameInode(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The destination folder, created when missing and held open for the whole operation.
FileDescriptor openDestination(const QString &destFolder, int &error)
{
    const QByteArray dest = folderBytes(destFolder);
    if (!PosixFiles::makePath(dest, 0777))
    {
        error = errno;
        return FileDescriptor();
    }
    FileDescriptor fd(::open(dest.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    error = fd.valid() ? 0 : errno;
    return fd;
}

QByteArray candidate(const QByteArray &name, int n)
{
    return NativePath::encode(FileTransfer::numberedName(NativePath::decode(name), n));
}

QString targetPath(const QString &destFolder, const QByteArray &name)
{
    return (destFolder.endsWith(u'/') ? destFolder : destFolder + u'/') + NativePath::decode(name);
}

// The source opened for reading, when it is still the file that was located.
FileDescriptor openSource(const LocatedFile &source, FileOpError &error, int &number)
{
    FileDescriptor in(PosixFiles::openRegularAt(source.folder.get(), source.name.constData()));
    struct stat st;
    if (!in.valid())
    {
        error = FileOpError::System;
        number = errno;
    }
    else if (::fstat(in.get(), &st) != 0 || !PosixFiles::matches(st, source.status))
    {
        error = FileOpError::Changed;
        in.reset();
    }
    return in;
}
} // namespace

namespace FileTransfer
{
FileOpResult copyNoClobber(const LocatedFile &source, const QString &destFolder, const Pulse &pulse)
{
    if (!destFolder.startsWith(u'/'))
        return FileOpResult::failure(FileOpError::NotAbsolute);
    FileOpError why = FileOpError::None;
    int number = 0;
    const FileDescriptor in = openSource(source, why, number);
    if (!in.valid())
        return FileOpResult::failure(why, number);
    const FileDescriptor dest = openDestination(destFolder, number);
    if (!dest.valid())
        return systemFailure(number);
    for (int n = 1; n <= kMaxNumber; ++n)
    {
        const QByteArray to = candidate(source.name, n);
        const FileOpResult r = PosixFiles::copyExclusiveAt(in.get(), dest.get(), to.constData(), false, pulse);
        if (r.error == FileOpError::System && r.errorNumber == EEXIST)
            continue;
        return r.ok() ? FileOpResult::success(targetPath(destFolder, to)) : r;
    }
    return FileOpResult::failure(FileOpError::NoFreeName);
}

FileOpResult moveNoClobber(const LocatedFile &source, const QString &destFolder, const Pulse &pulse)
{
    if (!destFolder.startsWith(u'/'))
        return FileOpResult::failure(FileOpError::NotAbsolute);
    const char *from = source.name.constData();
    const int fromDir = source.folder.get();
    if (!PosixFiles::matchesAt(fromDir, from, source.status))
        return FileOpResult::failure(FileOpError::Changed);
    int number = 0;
    const FileDescriptor dest = openDestination(destFolder, number);
    if (!dest.valid())
        return systemFailure(number);
    struct stat destSt;
    struct stat fromFolderSt;
    if (::fstat(dest.get(), &destSt) == 0 && ::fstat(fromDir, &fromFolderSt) == 0 && sameInode(destSt, fromFolderSt))
        return FileOpResult::failure(FileOpError::SameFolder);

    FileDescriptor in;
    for (int n = 1; n <= kMaxNumber; ++n)
    {
        const QByteArray to = candidate(source.name, n);
        if (!in.valid())
        {
            const int e = PosixFiles::renameNoReplaceAt(fromDir, from, dest.get(), to.constData());
            if (e == EEXIST)
                continue;
            if (e == 0)
            {
                // The name was checked just before; make sure that file is the one that went.
                if (PosixFiles::matchesAt(dest.get(), to.constData(), source.status))
                    return FileOpResult::success(targetPath(destFolder, to));
                PosixFiles::renameNoReplaceAt(dest.get(), to.constData(), fromDir, from);
                return FileOpResult::failure(FileOpError::Changed);
            }
            if (e != EXDEV)
                return systemFailure(e);
            FileOpError why = FileOpError::None;
            in = openSource(source, why, number);
            if (!in.valid())
                return FileOpResult::failure(why, number);
        }
        // Another file system: a verified copy first, then the source goes.
        const FileOpResult r = PosixFiles::copyExclusiveAt(in.get(), dest.get(), to.constData(), true, pulse);
        if (r.error == FileOpError::System && r.errorNumber == EEXIST)
            continue;
        if (!r.ok())
            return r;
        const FileOpResult removed = PosixFiles::unlinkExpected(fromDir, from, source.status);
        if (!removed.ok())
        {
            ::unlinkat(dest.get(), to.constData(), 0);
            return removed;
        }
        return FileOpResult::success(targetPath(destFolder, to));
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

FileOpResult deleteForGood(const LocatedFile &file)
{
    return PosixFiles::unlinkExpected(file.folder.get(), file.name.constData(), file.status);
}
} // namespace FileTransfer
