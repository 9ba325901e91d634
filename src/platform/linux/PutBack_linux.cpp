// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PutBack.h"

#include "platform/NativePath.h"
#include "platform/SafeFolders.h"
#include "platform/linux/PosixFiles.h"

#include <cerrno>
#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
using PutBack::Outcome;
using PutBack::Result;

// A name in a folder held open.
struct Spot
{
    FileDescriptor folder;
    QByteArray name;
    int error = 0; // why the folder could not be opened
};

bool known(const FolderIdentity &id)
{
    return id.device != 0 || id.inode != 0;
}

// The folder of an absolute path, opened name by name as SafeFolders allows, and the last name.
Spot open(const QString &path, bool create)
{
    const QByteArray bytes = NativePath::encode(path);
    Spot s;
    s.name = PosixFiles::nameOf(bytes);
    if (!bytes.startsWith('/') || s.name.isEmpty() || s.name == "." || s.name == "..")
    {
        s.error = EINVAL;
        return s;
    }
    s.folder = SafeFolders::openFolder(PosixFiles::folderOf(bytes), create);
    if (!s.folder.valid())
        s.error = errno;
    return s;
}

// A folder that cannot be entered as it was: a link refused, a file in its place.
Result folderFailure(int error)
{
    if (error == ENOENT)
        return {Outcome::Gone, error};
    if (error == EACCES || error == ELOOP || error == ENOTDIR)
        return {Outcome::FolderChanged, error};
    return {Outcome::Failed, error};
}

// What the journal recorded, with the identity the file has now when none was recorded.
FileStatus expectedOf(const PutBack::Placed &placed, const struct stat &st)
{
    FileStatus expected = placed.status;
    expected.exists = true;
    if (expected.device == 0 && expected.inode == 0)
    {
        expected.device = st.st_dev;
        expected.inode = st.st_ino;
    }
    return expected;
}

// Whether the placed file is still at its place, unchanged: Done, with its expected status.
Result checkPlaced(const PutBack::Placed &placed, const Spot &spot, FileStatus &expected)
{
    if (!spot.folder.valid())
        return folderFailure(spot.error);
    if (known(placed.folder) && PutBack::identityOf(spot.folder) != placed.folder)
        return {Outcome::FolderChanged, 0};
    struct stat st;
    if (::fstatat(spot.folder.get(), spot.name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? Result{Outcome::Gone, ENOENT} : Result{Outcome::Failed, errno};
    expected = expectedOf(placed, st);
    if (!S_ISREG(st.st_mode) || !PosixFiles::matches(st, expected))
        return {Outcome::NotTheSame, 0};
    // A file removed and another made in its place can get the same inode number at once, with
    // the size and time set as they were; its status-change time is its own.
    if (placed.status.ctimeNs != 0 && PosixFiles::statusOf(st).ctimeNs != placed.status.ctimeNs)
        return {Outcome::NotTheSame, 0};
    return {Outcome::Done, 0};
}

// The folder a file goes back to: the one it came from, or made again when it was removed.
Result openDestination(const QString &to, const FolderIdentity &toFolder, Spot &spot)
{
    spot = open(to, false);
    if (!spot.folder.valid() && spot.error == ENOENT)
        return (spot = open(to, true)).folder.valid() ? Result{Outcome::Done, 0} : folderFailure(spot.error);
    if (!spot.folder.valid())
        return spot.error == ENOENT ? Result{Outcome::Failed, ENOENT} : folderFailure(spot.error);
    if (known(toFolder) && PutBack::identityOf(spot.folder) != toFolder)
        return {Outcome::FolderChanged, 0};
    return {Outcome::Done, 0};
}

Result fromFileOp(const FileOpResult &r)
{
    if (r.ok())
        return {Outcome::Done, 0};
    if (r.error == FileOpError::Changed)
        return {Outcome::NotTheSame, 0};
    if (r.error == FileOpError::System && r.errorNumber == ENOENT)
        return {Outcome::Gone, ENOENT};
    return {Outcome::Failed, r.errorNumber};
}

// Across file systems: a copy flushed, read back and compared, linked under the name only when
// that is free, and then the file removed from where it was.
Result copyBack(const Spot &from, const Spot &to, const FileStatus &expected)
{
    const FileDescriptor source(PosixFiles::openRegularAt(from.folder.get(), from.name.constData()));
    if (!source.valid())
        return {Outcome::Failed, errno};
    struct stat st;
    if (::fstat(source.get(), &st) != 0 || !PosixFiles::matches(st, expected))
        return {Outcome::NotTheSame, 0};
    PosixFiles::StagedCopy copy;
    if (const FileOpResult made = copy.make(source.get(), to.folder.get(), true, {}); !made.ok())
        return fromFileOp(made);
    const int e = copy.place(to.name.constData());
    if (e == EEXIST)
        return {Outcome::NameTaken, e};
    if (e != 0)
        return {Outcome::Failed, e};
    PosixFiles::syncFolder(to.folder.get());
    const FileOpResult removed = PosixFiles::unlinkExpected(from.folder.get(), from.name.constData(), expected);
    if (!removed.ok())
    {
        copy.unplace();
        return fromFileOp(removed);
    }
    return {Outcome::Done, 0};
}
// Renames `from` to `back`, never over a name that is taken, and keeps it there only when what
// arrived is the item put back (arrived()): another that took the place between the last look
// and the rename goes back where it was. EXDEV comes back as a failure for the caller to handle.
Result renameBack(const Spot &from, const Spot &back, const std::function<bool()> &arrived)
{
    struct stat st;
    if (::fstatat(back.folder.get(), back.name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0)
        return {Outcome::NameTaken, EEXIST};
    const int e = PosixFiles::renameNoReplaceAt(from.folder.get(), from.name.constData(), back.folder.get(),
                                                back.name.constData());
    if (e == EEXIST)
        return {Outcome::NameTaken, e};
    if (e != 0)
        return {Outcome::Failed, e};
    if (!arrived())
    {
        PosixFiles::renameNoReplaceAt(back.folder.get(), back.name.constData(), from.folder.get(),
                                      from.name.constData());
        return {Outcome::NotTheSame, 0};
    }
    return {Outcome::Done, 0};
}

} // namespace

namespace PutBack
{
FolderIdentity identityOf(const FileDescriptor &folder)
{
    struct stat st;
    if (!folder.valid() || ::fstat(folder.get(), &st) != 0)
        return {};
    return {static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino)};
}

Placed look(const QString &path)
{
    Placed placed;
    placed.path = path;
    const Spot spot = open(path, false);
    if (!spot.folder.valid())
        return placed;
    placed.folder = identityOf(spot.folder);
    struct stat st;
    if (::fstatat(spot.folder.get(), spot.name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode))
        placed.status = PosixFiles::statusOf(st);
    return placed;
}

Result moveBack(const Placed &placed, const QString &to, const FolderIdentity &toFolder)
{
    const Spot from = open(placed.path, false);
    FileStatus expected;
    if (const Result r = checkPlaced(placed, from, expected); r.outcome != Outcome::Done)
        return r;
    Spot back;
    if (const Result r = openDestination(to, toFolder, back); r.outcome != Outcome::Done)
        return r;
    const Result r = renameBack(
        from, back, [&] { return PosixFiles::matchesAt(back.folder.get(), back.name.constData(), expected); });
    return r.outcome == Outcome::Failed && r.errorNumber == EXDEV ? copyBack(from, back, expected) : r;
}

Result moveFolderBack(const Placed &placed, const QString &to, const FolderIdentity &toFolder)
{
    const Spot from = open(placed.path, false);
    if (!from.folder.valid())
        return folderFailure(from.error);
    if (known(placed.folder) && identityOf(from.folder) != placed.folder)
        return {Outcome::FolderChanged, 0};
    struct stat st;
    if (::fstatat(from.folder.get(), from.name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? Result{Outcome::Gone, ENOENT} : Result{Outcome::Failed, errno};
    if (!PosixFiles::folderMatches(st, placed.status, false))
        return {Outcome::NotTheSame, 0};
    Spot back;
    if (const Result r = openDestination(to, toFolder, back); r.outcome != Outcome::Done)
        return r;
    // A folder is only ever renamed back: across file systems it stays where it is.
    return renameBack(from, back, [&] {
        return PosixFiles::folderMatchesAt(back.folder.get(), back.name.constData(), placed.status, false);
    });
}

Result removeCopy(const Placed &placed, const QString &original, const FolderIdentity &originalFolder)
{
    const Spot copySpot = open(placed.path, false);
    FileStatus expected;
    if (const Result r = checkPlaced(placed, copySpot, expected); r.outcome != Outcome::Done)
        return r;
    const Spot originalSpot = open(original, false);
    if (!originalSpot.folder.valid() || (known(originalFolder) && identityOf(originalSpot.folder) != originalFolder))
        return {Outcome::Differs, 0};
    const FileDescriptor copy(PosixFiles::openRegularAt(copySpot.folder.get(), copySpot.name.constData()));
    const FileDescriptor source(PosixFiles::openRegularAt(originalSpot.folder.get(), originalSpot.name.constData()));
    struct stat copySt;
    struct stat sourceSt;
    if (!copy.valid() || ::fstat(copy.get(), &copySt) != 0 || !PosixFiles::matches(copySt, expected))
        return {Outcome::NotTheSame, 0};
    // The original must be another file, of the copy's length, with the copy's bytes.
    if (!source.valid() || ::fstat(source.get(), &sourceSt) != 0 || sourceSt.st_size != copySt.st_size ||
        (sourceSt.st_dev == copySt.st_dev && sourceSt.st_ino == copySt.st_ino))
        return {Outcome::Differs, 0};
    const FileStatus sourceBefore = PosixFiles::statusOf(sourceSt);
    if (PosixFiles::compareContents(copy.get(), source.get(), {}) != 0)
        return {Outcome::Differs, 0};
    // Neither may have been written while they were read.
    if (::fstat(source.get(), &sourceSt) != 0 || !PosixFiles::matches(sourceSt, sourceBefore) ||
        PosixFiles::statusOf(sourceSt).ctimeNs != sourceBefore.ctimeNs)
        return {Outcome::Differs, 0};
    return fromFileOp(PosixFiles::unlinkExpected(copySpot.folder.get(), copySpot.name.constData(), expected));
}

Result removeRecord(const QString &path)
{
    const Spot spot = open(path, false);
    if (!spot.folder.valid())
        return folderFailure(spot.error);
    struct stat st;
    if (::fstatat(spot.folder.get(), spot.name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? Result{Outcome::Gone, ENOENT} : Result{Outcome::Failed, errno};
    if (!S_ISREG(st.st_mode))
        return {Outcome::NotTheSame, 0};
    if (::unlinkat(spot.folder.get(), spot.name.constData(), 0) != 0)
        return {Outcome::Failed, errno};
    return {Outcome::Done, 0};
}
} // namespace PutBack
