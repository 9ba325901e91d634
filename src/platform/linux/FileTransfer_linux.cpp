// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileTransfer.h"

#include "platform/NativePath.h"
#include "platform/SafeFolders.h"
#include "platform/linux/FileAttributes.h"
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

QByteArray candidate(const QByteArray &name, int n)
{
    return NativePath::encode(FileTransfer::numberedName(NativePath::decode(name), n));
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

// Names the finished copy with the first free name of the numbered names from `first` on;
// a name that is taken costs no second copy.
FileOpResult placeCopy(PosixFiles::StagedCopy &copy, const QByteArray &name,
                       const FileTransfer::Destination &destination, int first)
{
    for (int n = first; n <= kMaxNumber; ++n)
    {
        const QByteArray to = candidate(name, n);
        const int e = copy.place(to.constData());
        if (e == EEXIST)
            continue;
        if (e != 0)
            return systemFailure(e);
        return FileOpResult::success(FileTransfer::pathIn(destination, to));
    }
    return FileOpResult::failure(FileOpError::NoFreeName);
}

// A move to another file system: a verified copy is named first, from the numbered name
// `first` on, and only then the source goes.
FileOpResult moveByCopy(const LocatedFile &source, int dest, const FileTransfer::Destination &destination, int first,
                        const FileTransfer::Pulse &pulse)
{
    FileOpError why = FileOpError::None;
    int number = 0;
    const FileDescriptor in = openSource(source, why, number);
    if (!in.valid())
        return FileOpResult::failure(why, number);
    PosixFiles::StagedCopy copy;
    if (const FileOpResult made = copy.make(in.get(), dest, true, pulse); !made.ok())
        return made;
    const FileOpResult placed = placeCopy(copy, source.name, destination, first);
    if (!placed.ok())
        return placed;
    PosixFiles::syncFolder(dest);
    const FileOpResult removed =
        PosixFiles::unlinkExpected(source.folder.get(), source.name.constData(), source.status);
    if (!removed.ok())
    {
        copy.unplace();
        return removed;
    }
    return placed;
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

// A clone of the kept file under a fresh name in dir, with the replaced file's owner, group,
// permissions, ACL, attributes and times; refused when any of them cannot be kept.
FileOpResult makeClone(int dir, const QByteArray &made, const LocatedFile &replaced, const LocatedFile &kept)
{
    const FileDescriptor in(PosixFiles::openRegularAt(kept.folder.get(), kept.name.constData()));
    struct stat keptSt;
    if (!in.valid())
        return systemFailure(errno);
    if (::fstat(in.get(), &keptSt) != 0 || !PosixFiles::matches(keptSt, kept.status))
        return FileOpResult::failure(FileOpError::Changed);
    const FileDescriptor old(PosixFiles::openRegularAt(replaced.folder.get(), replaced.name.constData()));
    struct stat oldSt;
    if (!old.valid())
        return systemFailure(errno);
    if (::fstat(old.get(), &oldSt) != 0 || !PosixFiles::matches(oldSt, replaced.status))
        return FileOpResult::failure(FileOpError::Changed);
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
    const struct timespec times[2] = {oldSt.st_atim, oldSt.st_mtim};
    if (!FileAttributes::copy(old.get(), out.get()) || ::futimens(out.get(), times) != 0)
    {
        ::unlinkat(dir, made.constData(), 0);
        return FileOpResult::failure(FileOpError::OwnersNotKept);
    }
    return FileOpResult::success(QString());
}

// A hard link makes the replaced name the kept file: only when nobody would gain or lose a right
// by it.
bool sameOwnership(const LocatedFile &replaced, const LocatedFile &kept)
{
    const FileDescriptor a(PosixFiles::openRegularAt(replaced.folder.get(), replaced.name.constData()));
    const FileDescriptor b(PosixFiles::openRegularAt(kept.folder.get(), kept.name.constData()));
    return a.valid() && b.valid() && FileAttributes::same(a.get(), b.get());
}
} // namespace

namespace FileTransfer
{
FileDescriptor openDestination(const Destination &destination)
{
    FileDescriptor dir = SafeFolders::openFolder(folderBytes(destination.folder), true);
    for (const QString &name : destination.below)
    {
        if (!dir.valid())
            break;
        dir = SafeFolders::openFolderAt(dir.get(), NativePath::encode(name), true);
    }
    return dir;
}

QString pathIn(const Destination &destination, const QByteArray &name)
{
    QString path = destination.folder.endsWith(u'/') ? destination.folder : destination.folder + u'/';
    for (const QString &folder : destination.below)
        path += folder + u'/';
    return path + NativePath::decode(name);
}

FileOpResult copyNoClobber(const LocatedFile &source, const Destination &destination, const Pulse &pulse)
{
    if (!destination.folder.startsWith(u'/'))
        return FileOpResult::failure(FileOpError::NotAbsolute);
    FileOpError why = FileOpError::None;
    int number = 0;
    const FileDescriptor in = openSource(source, why, number);
    if (!in.valid())
        return FileOpResult::failure(why, number);
    const FileDescriptor dest = openDestination(destination);
    if (!dest.valid())
        return systemFailure(errno);
    PosixFiles::StagedCopy copy;
    if (const FileOpResult made = copy.make(in.get(), dest.get(), false, pulse); !made.ok())
        return made;
    return placeCopy(copy, source.name, destination, 1);
}

FileOpResult moveNoClobber(const LocatedFile &source, const Destination &destination, const Pulse &pulse)
{
    if (!destination.folder.startsWith(u'/'))
        return FileOpResult::failure(FileOpError::NotAbsolute);
    const char *from = source.name.constData();
    const int fromDir = source.folder.get();
    if (!PosixFiles::matchesAt(fromDir, from, source.status))
        return FileOpResult::failure(FileOpError::Changed);
    const FileDescriptor dest = openDestination(destination);
    if (!dest.valid())
        return systemFailure(errno);
    struct stat destSt;
    struct stat fromFolderSt;
    if (::fstat(dest.get(), &destSt) == 0 && ::fstat(fromDir, &fromFolderSt) == 0 && sameInode(destSt, fromFolderSt))
        return FileOpResult::failure(FileOpError::SameFolder);

    for (int n = 1; n <= kMaxNumber; ++n)
    {
        const QByteArray to = candidate(source.name, n);
        const int e = PosixFiles::renameNoReplaceAt(fromDir, from, dest.get(), to.constData());
        if (e == EEXIST)
            continue;
        if (e == EXDEV)
            return moveByCopy(source, dest.get(), destination, n, pulse);
        if (e != 0)
            return systemFailure(e);
        // The name was checked just before; make sure that file is the one that went.
        if (PosixFiles::matchesAt(dest.get(), to.constData(), source.status))
            return FileOpResult::success(FileTransfer::pathIn(destination, to));
        PosixFiles::renameNoReplaceAt(dest.get(), to.constData(), fromDir, from);
        return FileOpResult::failure(FileOpError::Changed);
    }
    return FileOpResult::failure(FileOpError::NoFreeName);
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
    if (kind == LinkKind::Hard && !sameOwnership(replaced, kept))
    {
        outcome.result = FileOpResult::failure(FileOpError::OwnersDiffer);
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
    }
    else
    {
        outcome.result = makeClone(dir, made, replaced, kept);
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
