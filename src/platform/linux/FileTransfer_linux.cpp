// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileTransfer.h"

#include "platform/NativePath.h"
#include "platform/linux/PosixFiles.h"

#include <cerrno>
#include <cstdio>

#include <QRandomGenerator>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
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
// A fresh hidden name for a file made beside another before it takes that one's place.
QByteArray asideName()
{
    return QByteArray(".corvina-link-") +
           QByteArray::number(static_cast<qulonglong>(QRandomGenerator::system()->generate64()), 16);
}

// The link or clone under `made` in dir takes the place of `replaced`: exchanged in one step
// where the file system can, else the replaced file is first moved aside. The file that left
// the name must be `replaced`; anything else is put back. Then it is removed.
FileOpResult takePlace(int dir, const QByteArray &made, const LocatedFile &replaced)
{
    const char *name = replaced.name.constData();
    if (::renameat2(dir, made.constData(), dir, name, RENAME_EXCHANGE) == 0)
    {
        if (PosixFiles::matchesAt(dir, made.constData(), replaced.status))
        {
            ::unlinkat(dir, made.constData(), 0);
            return FileOpResult::success(replaced.path);
        }
        ::renameat2(dir, made.constData(), dir, name, RENAME_EXCHANGE);
        ::unlinkat(dir, made.constData(), 0);
        return FileOpResult::failure(FileOpError::Changed);
    }
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
    {
        const int e = errno;
        ::unlinkat(dir, made.constData(), 0);
        return systemFailure(e);
    }
    // No exchange here: the replaced file steps aside first, checked, and comes back on failure.
    const QByteArray aside = asideName();
    auto giveUp = [&](FileOpResult r) {
        ::unlinkat(dir, made.constData(), 0);
        return r;
    };
    if (const int e = PosixFiles::renameNoReplaceAt(dir, name, dir, aside.constData()); e != 0)
        return giveUp(systemFailure(e));
    if (!PosixFiles::matchesAt(dir, aside.constData(), replaced.status))
    {
        PosixFiles::renameNoReplaceAt(dir, aside.constData(), dir, name);
        return giveUp(FileOpResult::failure(FileOpError::Changed));
    }
    if (const int e = PosixFiles::renameNoReplaceAt(dir, made.constData(), dir, name); e != 0)
    {
        PosixFiles::renameNoReplaceAt(dir, aside.constData(), dir, name);
        return giveUp(systemFailure(e));
    }
    ::unlinkat(dir, aside.constData(), 0);
    return FileOpResult::success(replaced.path);
}

// A clone of the kept file under a fresh name in dir, with the replaced file's permissions,
// owner (where allowed) and times.
FileOpResult makeClone(int dir, const QByteArray &made, const LocatedFile &replaced, const LocatedFile &kept,
                       bool &attributesKept)
{
    const FileDescriptor in(PosixFiles::openRegularAt(kept.folder.get(), kept.name.constData()));
    struct stat keptSt;
    if (!in.valid())
        return systemFailure(errno);
    if (::fstat(in.get(), &keptSt) != 0 || !PosixFiles::matches(keptSt, kept.status))
        return FileOpResult::failure(FileOpError::Changed);
    struct stat old;
    if (::fstatat(replaced.folder.get(), replaced.name.constData(), &old, AT_SYMLINK_NOFOLLOW) != 0)
        return systemFailure(errno);
    const FileDescriptor out(
        ::openat(dir, made.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!out.valid())
        return systemFailure(errno);
    if (::ioctl(out.get(), FICLONE, in.get()) != 0)
    {
        const int e = errno;
        ::unlinkat(dir, made.constData(), 0);
        if (e == EOPNOTSUPP || e == ENOTTY || e == EINVAL || e == EXDEV || e == EPERM)
            return FileOpResult::failure(FileOpError::NoClones, e);
        return systemFailure(e);
    }
    attributesKept = ::fchown(out.get(), old.st_uid, old.st_gid) == 0;
    attributesKept = ::fchmod(out.get(), old.st_mode & 07777) == 0 && attributesKept;
    const struct timespec times[2] = {old.st_atim, old.st_mtim};
    attributesKept = ::futimens(out.get(), times) == 0 && attributesKept;
    return FileOpResult::success(QString());
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

LinkOutcome replaceWithLink(const LocatedFile &replaced, const LocatedFile &kept, LinkKind kind)
{
    LinkOutcome outcome;
    const int dir = replaced.folder.get();
    if (!PosixFiles::matchesAt(dir, replaced.name.constData(), replaced.status) ||
        !PosixFiles::matchesAt(kept.folder.get(), kept.name.constData(), kept.status))
    {
        outcome.result = FileOpResult::failure(FileOpError::Changed);
        return outcome;
    }
    if (kind == LinkKind::Hard && replaced.status.device != kept.status.device)
    {
        outcome.result = FileOpResult::failure(FileOpError::OtherFileSystem);
        return outcome;
    }
    const QByteArray made = asideName();
    if (kind == LinkKind::Hard)
    {
        if (::linkat(kept.folder.get(), kept.name.constData(), dir, made.constData(), 0) != 0)
        {
            outcome.result =
                errno == EXDEV ? FileOpResult::failure(FileOpError::OtherFileSystem) : systemFailure(errno);
            return outcome;
        }
        // The name linked must still have been the kept file.
        struct stat st;
        if (::fstatat(dir, made.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !PosixFiles::matches(st, kept.status))
        {
            ::unlinkat(dir, made.constData(), 0);
            outcome.result = FileOpResult::failure(FileOpError::Changed);
            return outcome;
        }
        struct stat old = {};
        outcome.attributesKept = ::fstatat(dir, replaced.name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0 &&
                                 old.st_uid == st.st_uid && old.st_gid == st.st_gid && old.st_mode == st.st_mode;
    }
    else
    {
        outcome.result = makeClone(dir, made, replaced, kept, outcome.attributesKept);
        if (!outcome.result.ok())
            return outcome;
    }
    outcome.result = takePlace(dir, made, replaced);
    struct stat now;
    if (outcome.result.ok() && ::fstatat(dir, replaced.name.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0)
        outcome.status = PosixFiles::statusOf(now);
    return outcome;
}
} // namespace FileTransfer
