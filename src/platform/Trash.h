// The desktop's trash (the freedesktop.org layout), from which the user can restore a file.
#pragma once

#include "platform/FileOpResult.h"
#include "platform/FileStatus.h"

#include <QString>

namespace Trash
{
/// The home trash: $XDG_DATA_HOME/Trash, else ~/.local/share/Trash.
QString homeTrash();

/// Moves the file (an absolute path) into the trash: the home trash when the file is on the
/// same file system, else the trash at the top of the file's own file system, and when that
/// cannot be used, a verified copy in the home trash. The trash folders are created when
/// missing; a name already in the trash gets a numbered one. target is the file's place inside
/// the trash's files/ folder; its .trashinfo beside it in info/ holds Path= and DeletionDate=.
/// homeTrashFolder replaces homeTrash() (tests). With expected, a file that is no longer exactly
/// that one is left alone.
FileOpResult moveToTrash(const QString &path, const FileStatus *expected = nullptr,
                         const QString &homeTrashFolder = QString());
} // namespace Trash
