// SPDX-License-Identifier: GPL-3.0-or-later
// A file located as the file actions reach it, for tests of the platform's file operations.
#pragma once

#include "platform/AnchoredFiles.h"

/// The file at an absolute path, found below its own folder taken as a search location; the
/// status is what the file is now.
inline LocatedFile locatedAt(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const SearchRoot root = AnchoredFiles::resolveRoot(path.left(slash + 1));
    return std::move(AnchoredFiles::locate(root, QStringView(), root.id, path.mid(slash + 1)).file);
}
