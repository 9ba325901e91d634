// SPDX-License-Identifier: GPL-3.0-or-later
// Whole folders reached from their search location without following a link, and their trees
// walked and compared through descriptors, so that a folder goes only as the copy it was proved.
#pragma once

#include "platform/AnchoredFiles.h"
#include "platform/FileTransfer.h"

#include <QStringView>

#include <functional>
#include <vector>

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

/// One entry of a tree as a survey saw it.
struct Entry
{
    QByteArray relative; // below the surveyed folder, "/" between the names
    FileStatus status;
    bool folder = false;
};

/// What a folder's tree holds.
struct Survey
{
    bool plain = false; // every entry is a regular file or a folder
    bool readable = false;
    qint64 files = 0;
    qint64 bytes = 0;
    std::vector<Entry> entries; // depth first, names sorted: the same tree gives the same list
};

/// Walks the tree of the folder (every step O_NOFOLLOW from the one before), counting its files
/// and their bytes; stops at the first entry that is not a regular file or a folder.
Survey survey(const LocatedFolder &folder);

/// Removes the folder and its tree for good, only as `seen` found it. The tree is walked again
/// first, and when an entry was added or is gone, or is not the file or folder seen (identity,
/// size, modification and status-change time), nothing is removed (Changed). Then each file
/// goes only while it is still the file seen and each folder once it is empty: a change in
/// between stops the removal, and what is left stays in place.
FileOpResult removeTree(const LocatedFolder &folder, const Survey &seen);

/// Moves the folder whole into the destination under its own name or, when that is taken, the
/// first free numbered name; nothing is ever replaced. Within one file system it is one rename,
/// checked to have moved the folder found (put back otherwise). Across file systems the tree is
/// copied under a hidden name, each file only while it is the file seen, flushed, read back and
/// compared; the copy is named only when the folder is still as `seen` found it, and then the
/// folder goes as removeTree removes it. pulse is called while files are copied.
FileOpResult moveTree(const LocatedFolder &folder, const Survey &seen, const FileTransfer::Destination &destination,
                      const std::function<void()> &pulse = {});

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

/// Compares each file of the folder's tree with the file at the path `copyOf` gives for the
/// file's path below the folder ("/" between names; an empty path: none): Same when each holds the
/// same bytes and is another file than any of the tree's own as `seen` holds them (not a second
/// name of one, nor one seen through another mount). Every folder on the way to a copy is entered
/// as SafeFolders::openFolder does, and the copy itself is never a link. pulse is called while files
/// are read.
Comparison compareWithCopies(const LocatedFolder &folder, const Survey &seen,
                             const std::function<QString(const QString &relative)> &copyOf,
                             const std::function<void()> &pulse = {});
} // namespace FolderTrees
