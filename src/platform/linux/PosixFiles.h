// SPDX-License-Identifier: GPL-3.0-or-later
// POSIX building blocks shared by the Linux file operations (private to the platform layer).
#pragma once

#include "platform/FileDescriptor.h"
#include "platform/FileOpResult.h"
#include "platform/FileStatus.h"

#include <QByteArray>
#include <QString>

#include <functional>

#include <fcntl.h>
#include <sys/stat.h>

namespace PosixFiles
{
/// The status of a stat result.
FileStatus statusOf(const struct stat &st);

/// True when st still describes the file of expected (same identity, size and time).
bool matches(const struct stat &st, const FileStatus &expected);

/// True when name in the folder dirFd is, without following a link, still the file of expected.
bool matchesAt(int dirFd, const char *name, const FileStatus &expected);

/// True when st is a real folder with the identity of expected and, withTime, its modification
/// time (which any entry added, removed or renamed in it changes).
bool folderMatches(const struct stat &st, const FileStatus &expected, bool withTime);

/// folderMatches for name in the folder dirFd, without following a link.
bool folderMatchesAt(int dirFd, const char *name, const FileStatus &expected, bool withTime);

/// Creates the folder and its missing parents with the given mode; true when it exists after.
bool makePath(const QByteArray &folder, mode_t mode);

/// The folder part of a path ("/a/b" for "/a/b/c") and the name part ("c").
QByteArray folderOf(const QByteArray &path);
QByteArray nameOf(const QByteArray &path);

/// Renames from (in fromDir) to to (in toDir) unless to exists: 0, EEXIST when to exists, EXDEV
/// when only a copy can do it (another file system, or one without atomic no-replace renames),
/// or another errno. AT_FDCWD takes paths as they are.
int renameNoReplaceAt(int fromDir, const char *from, int toDir, const char *to);
inline int renameNoReplace(const char *from, const char *to)
{
    return renameNoReplaceAt(AT_FDCWD, from, AT_FDCWD, to);
}

/// A copy of a file made in a folder before it has a name there, so that no name ever holds a
/// part of it: an unnamed file (O_TMPFILE) where the file system has them and the system lets
/// one be named later, else a file under a hidden temporary name (".corvina-part-..."). Until
/// place() names it, destroying the object removes the copy.
class StagedCopy
{
public:
    StagedCopy() = default;
    ~StagedCopy();
    StagedCopy(const StagedCopy &) = delete;
    StagedCopy &operator=(const StagedCopy &) = delete;

    /// Copies the open regular file srcFd into the folder dirFd (which must stay open while this
    /// object lives): the data, then permissions, owner where allowed, and times as the source
    /// has them. With verify (the source will go) the copy is flushed to the disk, dropped from
    /// the cache, read back and compared with the source. A source that changed while it was copied fails
    /// with FileOpError::Changed. Any failure removes what was made.
    FileOpResult make(int srcFd, int dirFd, bool verify, const std::function<void()> &pulse);

    /// Gives the finished copy the name `to` in its folder, never replacing anything: 0, EEXIST
    /// when the name is taken (the copy stays unnamed, ready for another name), or another errno.
    int place(const char *to);

    /// Takes the name that place() gave away again, when it still names the copy.
    void unplace();

private:
    // Opens the copy's file in dirFd: without a name where the file system allows, else under a
    // hidden temporary name; false with errno set when neither can be made.
    bool openStaging(int dirFd);
    int placeByClaim(const char *to);
    void discard();

    int m_dir = -1;
    FileDescriptor m_file;
    QByteArray m_hidden; // the temporary name; empty for an unnamed file or once placed
    QByteArray m_placed; // the name place() gave
};

/// Flushes the folder's names to the disk (best effort: not every file system can), so that a
/// name just given survives a power cut that the removal of the original might survive too.
void syncFolder(int dirFd);

/// 0 when both open files hold the same bytes, 1 when they differ, -1 when reading failed.
int compareContents(int a, int b, const std::function<void()> &pulse);

/// Opens a regular file for reading without following a link or blocking on a FIFO; none held,
/// with errno set, otherwise.
FileDescriptor openRegularAt(int dirFd, const char *name);
inline FileDescriptor openRegular(const char *path)
{
    return openRegularAt(AT_FDCWD, path);
}

/// Removes name from the folder dirFd only when it is the file of expected. The name is first
/// moved aside to a fresh name in the same folder and the file that arrived there is checked, so
/// a file put in its place after the last look is never the one removed (it is put back).
FileOpResult unlinkExpected(int dirFd, const char *name, const FileStatus &expected);

/// The path of an open folder as the system resolves it now; empty when unknown.
QByteArray pathOf(int dirFd);
} // namespace PosixFiles
