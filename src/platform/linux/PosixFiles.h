// POSIX building blocks shared by the Linux file operations (private to the platform layer).
#pragma once

#include "platform/FileOpResult.h"
#include "platform/FileStatus.h"

#include <QByteArray>
#include <QString>

#include <functional>

#include <sys/stat.h>

namespace PosixFiles
{
/// The status of a stat result.
FileStatus statusOf(const struct stat &st);

/// True when st still describes the file of expected (same identity, size and time).
bool matches(const struct stat &st, const FileStatus &expected);

/// Creates the folder and its missing parents with the given mode; true when it exists after.
bool makePath(const QByteArray &folder, mode_t mode);

/// The folder part of a path ("/a/b" for "/a/b/c") and the name part ("c").
QByteArray folderOf(const QByteArray &path);
QByteArray nameOf(const QByteArray &path);

/// Renames from to to unless to exists: 0, EEXIST when to exists, EXDEV when only a copy can
/// do it (another file system, or one without atomic no-replace renames), or another errno.
int renameNoReplace(const char *from, const char *to);

/// Copies the open regular file srcFd into a new file to, created exclusively (EEXIST when to
/// exists; nothing is overwritten). Keeps permissions, owner where allowed, and times. With
/// verify the copy is flushed to the disk and read back and compared with the source. Any
/// failure removes the partial copy. The source must not change while it is copied.
FileOpResult copyExclusive(int srcFd, const char *to, bool verify, const std::function<void()> &pulse);

/// Opens a regular file for reading without following a link or blocking on a FIFO; -1 with
/// errno set otherwise.
int openRegular(const char *path);

} // namespace PosixFiles
