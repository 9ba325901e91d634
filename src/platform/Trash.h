// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's trash (the freedesktop.org layout), from which the user can restore a file.
#pragma once

#include "platform/AnchoredFiles.h"
#include "platform/FileOpResult.h"

#include <QString>

namespace Trash
{
/// The home trash: $XDG_DATA_HOME/Trash, else ~/.local/share/Trash.
QString homeTrash();

/// Moves the file into the trash: the home trash when the file is on the same file system,
/// else the trash at the top of the file's own file system when one there is safe to use, else
/// a verified copy in the home trash. Every trash folder is reached without following a link
/// and created when missing; a name already in the trash gets a numbered one. target is the
/// file's place inside the trash's files/ folder; its .trashinfo beside it in info/ holds Path=
/// and DeletionDate=. homeTrashFolder replaces homeTrash() (tests). A file that is no longer the
/// one its status describes is left alone.
FileOpResult moveToTrash(const LocatedFile &file, const QString &homeTrashFolder = QString());

/// Moves a whole folder into the trash as one item, the way moveToTrash moves a file, but only
/// by a rename: into the home trash when the folder is on its file system, else into the trash
/// at the top of the folder's own file system; never as a copy (a folder that neither can take
/// fails with EXDEV). `folder` names the folder in its parent, held open, and its status; a
/// folder that no longer has that identity and modification time is left alone (Changed).
FileOpResult moveFolderToTrash(const LocatedFile &folder, const QString &homeTrashFolder = QString());
} // namespace Trash
