// SPDX-License-Identifier: GPL-3.0-or-later
// Folders that are copies of each other, and folders whose every file has a copy elsewhere,
// found from the file groups of a byte-exact search: no byte is read again.
#pragma once

#include "engine/FileList.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

class ResultList;

/// One folder of the answer, with its whole tree counted.
struct FolderFacts
{
    QString path;        // ends with "/"
    qint64 files = 0;    // files in its tree
    qint64 size = 0;     // their bytes
    qint64 modified = 0; // the newest last write in its tree, seconds since the epoch; 0 without files
};

/// What the folder search found. Numbers in `groups` and `contained` are indexes of `folders`.
struct FolderReport
{
    std::vector<FolderFacts> folders;
    /// Folders whose trees hold the same names with the same bytes, each group of two or more,
    /// largest first. A folder inside a folder of a group is not listed on its own.
    std::vector<std::vector<quint32>> groups;
    /// Folders whose every file has a byte-identical copy (another file, not another name of the
    /// same file) outside their tree, largest first; neither one inside another nor inside a
    /// folder of a group.
    std::vector<quint32> contained;
    /// For each folder of `contained`, in its order: each file's path below the folder ("/"
    /// between names), with the path of a copy of it outside the folder, as the search found it.
    std::vector<QHash<QString, QString>> copiesOutside;
};

namespace FolderCopies
{
/// Every record's content: records whose files hold the same bytes share a class.
struct ContentClasses
{
    std::vector<quint32> of; // per record
    /// Classes below this may have members of different files (the groups, then the empty
    /// files); every class from it on is one file, under one or more names.
    quint32 shared = 0;
};

/// The classes from the groups of a byte-exact search over contentCandidates(): a group is a
/// class, every empty file is in one class, every other file a class of its own; every name of
/// a file (its hard links) is in that file's class.
ContentClasses contentClasses(const FileList &files, const ResultList &results);

/// The records the content search compares, in their order: no empty file, and each file once
/// (`laterNames`, ascending, are the records that are another name of a file recorded before).
std::vector<FileList::Index> contentCandidates(const FileList &files, const std::vector<FileList::Index> &sorted,
                                               const std::vector<FileList::Index> &laterNames);

/// The answer over every folder of `files` (its folder texts, also those without files). A folder
/// named in `partlySeen`, or whose tree holds one, was not seen whole (a folder that could not be
/// read, an excluded or protected sub-folder, a link or a file left out by the mask): it is never
/// listed. A path of partlySeen that is not a folder of `files` marks its parent folder.
FolderReport find(const FileList &files, const ContentClasses &classes, const QStringList &partlySeen);
} // namespace FolderCopies
