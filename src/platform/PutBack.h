// SPDX-License-Identifier: GPL-3.0-or-later
// Undoing an act of Corvina's: a file put back where it came from, or a copy it made removed,
// each only while it is still the very file Corvina put there.
#pragma once

#include "platform/AnchoredFiles.h"
#include "platform/FileStatus.h"

#include <QString>

namespace PutBack
{
/// A file Corvina put somewhere, as its journal keeps it.
struct Placed
{
    QString path;
    FolderIdentity folder; // the folder that holds it; zero when not known
    FileStatus status;     // size and modification time; device, inode and status-change time zero
                           // when not known
};

/// The identity of an open folder; zero when it cannot be read.
FolderIdentity identityOf(const FileDescriptor &folder);

/// The file at path as the undo will look at it: its folder opened as SafeFolders::openFolder
/// does, the name looked at without following a link. The status is not present when no regular
/// file is there.
Placed look(const QString &path);

enum class Outcome
{
    Done,
    Gone,          // nothing is at the place any more
    NameTaken,     // something stands under the name the file is to get back
    NotTheSame,    // at the place is another file, a link or something that is not a file
    FolderChanged, // a folder is not the one the file was in (another folder, or a link to one)
    Differs,       // a copy does not hold the bytes of its original any more
    Failed,        // a system call failed; errorNumber says why
};

struct Result
{
    Outcome outcome = Outcome::Failed;
    int errorNumber = 0;
};

/// Moves `placed` back to `to`: both folders are opened as SafeFolders::openFolder does (the
/// folder of `to` is made again when it is missing), and each must have its recorded identity;
/// the file must be a regular file with the recorded size, time and identity. The name `to` is
/// never replaced: a rename that refuses to, or across file systems a verified copy linked under
/// it, after which the file is removed from its place. The file that arrives is checked again,
/// and anything else is put back.
Result moveBack(const Placed &placed, const QString &to, const FolderIdentity &toFolder);

/// Moves the folder `placed` (its path, and in its status the folder's device and inode) back to
/// `to` as moveBack moves a file: only while the folder there has that identity, never over
/// anything that has the name `to` now, and only by a rename (Failed with EXDEV otherwise).
Result moveFolderBack(const Placed &placed, const QString &to, const FolderIdentity &toFolder);

/// Removes the copy `placed` when it is still the file Corvina made and holds exactly the bytes
/// of the regular file at original (in the folder of identity originalFolder, zero: any).
Result removeCopy(const Placed &placed, const QString &original, const FolderIdentity &originalFolder);

/// Removes a regular file (the trash's .trashinfo of a file put back); a link or anything else
/// at the name stays.
Result removeRecord(const QString &path);
} // namespace PutBack
