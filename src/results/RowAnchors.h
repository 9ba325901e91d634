// SPDX-License-Identifier: GPL-3.0-or-later
// Where the files of the result list were found: what kind of list it is, the search locations
// as they were resolved, and each folder of a row as reached from its location without a link.
#pragma once

#include "platform/AnchoredFiles.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class ResultModel;

/// What made the list; it decides what must be proved before a file of it is removed.
enum class ListKind
{
    SameContents,    // Byte to Byte or CRC32: the files of a group are meant to be identical
    SimilarContents, // fuzzy Byte to Byte: alike, not identical
    SameName,        // names alike, contents never compared
    ZeroSize,        // the empty files, in no group
    SameFolders,     // Duplicate Folders: whole folders, never acted on as files
    SimilarPictures, // Similar Pictures: alike to the eye at `pictureLevel`, different files
};

struct ListOrigin
{
    ListKind kind = ListKind::SameContents;
    bool fromSession = false;
    /// How alike the pictures of a SimilarPictures list were found; the narrowest unless the list
    /// says otherwise.
    PictureLevel pictureLevel = PictureLevel::Strict;

    bool operator==(const ListOrigin &) const = default;
};

class RowAnchors
{
public:
    struct Folder
    {
        qint32 root = -1; // index into roots
        FolderIdentity id;
        /// The innermost search location met on the way down to it, compared by identity, is a
        /// reference location.
        bool reference = false;
    };

    ListOrigin origin;
    std::vector<SearchRoot> roots;
    /// By the rows' folder text. A folder that is not here is outside every location, or was
    /// reached through a link: its files are never acted on.
    QHash<QString, Folder> folders;

    const Folder *folder(const QString &path) const
    {
        const auto it = folders.constFind(path);
        return it == folders.cend() ? nullptr : &*it;
    }
};

/// Records where the model's rows were found, from the search locations they were found in:
/// each location resolved once, each folder of a row looked at step by step below the longest
/// location that holds it, and each row's file looked at once. A row keeps its file's device,
/// inode and time in nanoseconds only when the file still has the row's size and time (to the
/// second) and the row's own size and date texts are numbers it wrote; any other row stays
/// unidentified and is never acted on. yield is called twice per row.
///
/// referenceFolders are those of the locationFolders that are reference locations. A folder is
/// in a reference location when, of the folders it was reached through (its location, then each
/// folder down to it), the innermost one that is the very folder of a location by device and inode
/// is a reference location's: so also through a location that is a link to it, or a bind mount
/// of it inside another location, in whatever order the locations stand.
void anchorRows(ResultModel &model, ListOrigin origin, const QStringList &locationFolders,
                const std::function<void()> &yield = {}, const QStringList &referenceFolders = {});

/// The row folders that anchorRows found to be in a reference location.
QSet<QString> referenceFoldersByIdentity(const RowAnchors &anchors);

/// Locates the file of a row as the anchors describe it; none for a row whose folder cannot be
/// traced to a search location (outside every location, or reached through a link).
std::optional<AnchoredFiles::Location> locateRow(const ResultModel &model, int row);
