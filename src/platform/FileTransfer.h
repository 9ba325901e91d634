// SPDX-License-Identifier: GPL-3.0-or-later
// Copy, move, rename and delete that never overwrite an existing file.
#pragma once

#include "platform/AnchoredFiles.h"
#include "platform/FileOpResult.h"

#include <QString>

#include <functional>

namespace FileTransfer
{
/// "name (n).ext" for n >= 2 and name itself for n <= 1; a leading dot does not start an
/// extension (".profile (2)"). The name part is shortened when the result would be longer than
/// maxBytes in the file system's encoding.
QString numberedName(const QString &name, int n, qsizetype maxBytes = 255);

/// Called between blocks of a long copy, so that the window can repaint.
using Pulse = std::function<void()>;

/// Copies the file into destFolder under its own name or, when that is taken, the first free
/// numbered name; the free name is taken atomically, so nothing is ever overwritten. The copy
/// keeps the source's permissions and times. A missing destination folder is created; a relative
/// one is refused. A source that is no longer the file of its status is left alone.
FileOpResult copyNoClobber(const LocatedFile &source, const QString &destFolder, const Pulse &pulse = {});

/// Moves the file as copyNoClobber names it. Within one file system it is a rename; across file
/// systems the file is copied, flushed, read back and compared, and the source is removed only
/// when both agree. A source that is no longer the file of its status is left alone.
FileOpResult moveNoClobber(const LocatedFile &source, const QString &destFolder, const Pulse &pulse = {});

/// Renames within the file system; refuses when newPath names an existing file (a change of
/// letter case only, on a file system that ignores case, is allowed).
FileOpResult renameNoReplace(const QString &oldPath, const QString &newPath);

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
    FileStatus status;          // the file now at the replaced name
    bool attributesKept = true; // the replaced file's owner, permissions and times stayed
};

/// Replaces `replaced` by a link to `kept` under the same name: the link is made under a fresh
/// name in the same folder, then exchanged with the replaced name in one step, the file that
/// left is checked to be `replaced` and only then removed, so a failure at any point leaves the
/// original in place. Both must still be the files of their statuses. A clone gets the replaced
/// file's permissions, owner (where allowed) and times.
LinkOutcome replaceWithLink(const LocatedFile &replaced, const LocatedFile &kept, LinkKind kind);
} // namespace FileTransfer
