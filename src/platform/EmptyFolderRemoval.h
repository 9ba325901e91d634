// SPDX-License-Identifier: GPL-3.0-or-later
// Removing a folder that a deletion or a move left empty: the very folder the search went
// through, reached from its search location without following a link, and never a search
// location or the root of a mounted file system.
#pragma once

#include "platform/AnchoredFiles.h"

#include <QStringView>

#include <vector>

namespace EmptyFolderRemoval
{
enum class Outcome
{
    Removed,
    NotEmpty,       // it holds something, if only a hidden entry
    Changed,        // the root, a folder on the way or the folder itself is not the one recorded
    SearchLocation, // the folder is a search location, or the folder of one
    MountPoint,     // a file system is mounted on it
    Failed,         // the removal itself failed (no permission, busy)
};

/// Removes the folder `relative` below root ("a/b/") when it is empty. The root is opened and its
/// identity compared, each folder on the way is opened from the one before without following a
/// link, and the folder itself must have the identity `expected`, be none of `locations` (the
/// root itself, or any folder with the identity of one of them) and not be the root of a mount
/// (another device than its parent's, or marked as a mount root). It is then removed relative
/// to its parent's descriptor, which removes nothing but an empty folder.
Outcome removeIfEmpty(const SearchRoot &root, QStringView relative, const FolderIdentity &expected,
                      const std::vector<SearchRoot> &locations);
} // namespace EmptyFolderRemoval
