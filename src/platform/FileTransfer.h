// SPDX-License-Identifier: GPL-3.0-or-later
// Copy, move, delete and links that never overwrite an existing file.
#pragma once

#include "platform/AnchoredFiles.h"
#include "platform/FileOpResult.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace FileTransfer
{
/// "name (n).ext" for n >= 2 and name itself for n <= 1; a leading dot does not start an
/// extension (".profile (2)"). The name part is shortened when the result would be longer than
/// maxBytes in the file system's encoding.
QString numberedName(const QString &name, int n, qsizetype maxBytes = 255);

/// Called between blocks of a long copy, so that the window can repaint.
using Pulse = std::function<void()>;

/// Where a copy or a move puts a file: a folder given by its absolute path, and folders below it
/// given one plain name each (none of them empty, "." or "..", nor holding "/").
struct Destination
{
    QString folder;
    QStringList below = {};
};

/// The destination's folder, opened as SafeFolders::openFolder does, each folder below it entered
/// without following a link and created when missing; none, with errno set, when it cannot be.
FileDescriptor openDestination(const Destination &destination);

/// The path that `name` (in the file system's encoding) has in the destination.
QString pathIn(const Destination &destination, const QByteArray &name);

/// Copies the file into the destination under its own name or, when that is taken, the first
/// free numbered name. The folder is opened as SafeFolders::openFolder does, each folder below
/// it without following a link, and whatever of them is missing is created; a relative folder is
/// refused. The copy is written as a file without a name, given its permissions and times,
/// flushed, and only then linked under the free name, which is taken atomically: nothing is ever
/// overwritten, and no name ever holds a part of the copy. A source that is no longer the file
/// of its status is left alone.
FileOpResult copyNoClobber(const LocatedFile &source, const Destination &destination, const Pulse &pulse = {});

/// Moves the file as copyNoClobber names it. Within one file system it is a rename; across file
/// systems the file is copied, flushed, read back and compared, and only then named, and the
/// source is removed only when both agree. A source that is no longer the file of its status is
/// left alone.
FileOpResult moveNoClobber(const LocatedFile &source, const Destination &destination, const Pulse &pulse = {});

/// Removes the file for good, when it is still the file of its status.
FileOpResult deleteForGood(const LocatedFile &file);

enum class LinkKind
{
    Hard,  // a second name of the kept file: same file system, shares its owner and permissions
    Clone, // a file of its own that shares the kept file's blocks (btrfs, XFS)
};

struct LinkOutcome
{
    FileOpResult result;
    FileStatus status; // the file now at the replaced name
};

/// Replaces `replaced` by a link to `kept` under the same name: the link is made under a fresh
/// name in the same folder, then exchanged with the replaced name in one step, the file that
/// left is checked to be `replaced` and only then removed, so a failure at any point leaves the
/// original in place. Both must still be the files of their statuses. A hard link is refused
/// (OwnersDiffer) when the two files differ in owner, group, mode, ACL or extended attributes; a
/// clone gets the replaced file's owner, group, mode, ACL, attributes and times, or is refused
/// (OwnersNotKept) when one of them cannot be kept.
LinkOutcome replaceWithLink(const LocatedFile &replaced, const LocatedFile &kept, LinkKind kind);
} // namespace FileTransfer
