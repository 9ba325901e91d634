// SPDX-License-Identifier: GPL-3.0-or-later
// Whole folders reached from their search location without following a link, and their trees
// walked and compared through descriptors, so that a folder goes only as the copy it was proved.
#pragma once

#include "platform/AnchoredFiles.h"

#include <QStringView>

#include <functional>

namespace FolderTrees
{
/// A folder found in the folder that holds it: `folder` is that parent, held open; `status`
/// is the folder's own (device, inode, modification and status-change time).
using LocatedFolder = LocatedFile;

/// Opens the root, checks its identity, opens each folder of `relative` below it without
/// following a link, checks the last one's identity, and looks at the folder `name` there.
/// Found::File stands for a real folder found; NotAFile for anything else at the name.
AnchoredFiles::Location locate(const SearchRoot &root, QStringView relative, const FolderIdentity &parent,
                               const QString &name);

/// The search location itself as a folder found in its parent: the parent of its resolved path,
/// held open, must hold under the location's name the very folder of the location's identity.
/// Found::File when it does.
AnchoredFiles::Location locateRoot(const SearchRoot &root);

/// True while the name in its parent is still the folder of its status: the same device and
/// inode, and the same modification time, so an entry added to or removed from it since shows.
bool unchanged(const LocatedFolder &folder);

/// What a folder's tree holds.
struct Survey
{
    bool plain = false; // every entry is a regular file or a folder
    bool readable = false;
    qint64 files = 0;
    qint64 bytes = 0;
};

/// Walks the tree of the folder (every step O_NOFOLLOW from the one before), counting its files
/// and their bytes; stops at the first entry that is not a regular file or a folder.
Survey survey(const LocatedFolder &folder);

enum class Comparison
{
    Same,       // the same names, kinds and bytes throughout, each pair two different files
    Different,  // a name, a kind or a file's bytes differ, or an entry is not a file or folder
    SameFile,   // a pair is one file seen twice (a hard link, a bind or overlay mount)
    Changed,    // a folder or a file is not the one found, or changed while it was read
    Unreadable, // opening or reading failed
};

/// Compares the trees of both folders name by name; files with AnchoredFiles::compareContents
/// after AnchoredFiles::maybeSameFile has ruled out one file seen twice. pulse is called while
/// files are read.
Comparison compare(const LocatedFolder &a, const LocatedFolder &b, const std::function<void()> &pulse = {});
} // namespace FolderTrees
