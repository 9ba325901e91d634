// SPDX-License-Identifier: GPL-3.0-or-later
// Folders reached by a path that another local user may have planted links in.
#pragma once

#include "platform/FileDescriptor.h"

#include <QByteArray>

#include <sys/types.h>

struct stat;

namespace SafeFolders
{
/// Whether a symbolic link (its status `link`) found in the folder whose status is `folder` may be
/// followed: not when the folder is sticky and writable by everyone (/tmp) and the link belongs
/// neither to the caller nor to the folder's owner. Another user could have put it there to turn
/// a write of ours onto a file of our own choosing; the kernel's protected-links setting says the
/// same, but it may be switched off, so Corvina applies the rule itself.
bool mayFollow(const struct stat &folder, const struct stat &link);

/// Opens the folder of an absolute path (O_PATH) by taking each name in turn: a folder is
/// entered with O_NOFOLLOW from the one before, and a symbolic link is followed only where
/// mayFollow allows it. With create, folders that are missing are made with mode and entered the
/// same way. An invalid descriptor with errno set otherwise: EACCES for a link the rule refuses,
/// ELOOP, ENOENT, ENOTDIR, EINVAL for a relative path.
FileDescriptor openFolder(const QByteArray &path, bool create = false, mode_t mode = 0777);

/// Opens (and with create makes) the folder `name` inside the open folder dirFd without
/// following a link. name must be a plain name: not empty, ".", ".." or holding "/".
FileDescriptor openFolderAt(int dirFd, const QByteArray &name, bool create, mode_t mode = 0777);
} // namespace SafeFolders
