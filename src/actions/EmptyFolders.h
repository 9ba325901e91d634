// SPDX-License-Identifier: GPL-3.0-or-later
// Removing the folders that a deletion or a move left empty: one level, never their parents, never
// a search location or a mount point, and only the very folder the search went through.
#pragma once

#include "actions/ActionProgress.h"

#include <QSet>
#include <QString>
#include <QStringList>

class RowAnchors;

namespace EmptyFolders
{
/// True when the folder holds a sub-folder whose name does not begin with ".".
bool hasSubFolders(const QString &folder);
/// True when the folder holds anything that is not a folder (hidden files and links included).
bool hasFiles(const QString &folder);
/// Neither sub-folders nor files; a folder that cannot be listed counts as empty (and its
/// removal then fails harmlessly).
bool isFolderEmpty(const QString &folder);
/// Removes the folder of a row if it is empty, reached as the anchors trace it from its search
/// location (EmptyFolderRemoval::removeIfEmpty); a folder they do not trace, a search location,
/// a mount point or another folder in its place stays. True when it was removed.
bool removeFolder(const RowAnchors &anchors, const QString &folder);
} // namespace EmptyFolders

/// The folders that held processed files, each once, in the order first touched (compared exactly:
/// on Linux /a/X/ and /a/x/ are two folders).
class FoldersToCheck
{
public:
    /// Adds the folder unless it is there already.
    void queueFolderCheck(const QString &folder);
    const QStringList &folders() const { return m_folders; }
    int size() const { return static_cast<int>(m_folders.size()); }

private:
    QStringList m_folders;
    QSet<QString> m_keys;
};

/// The pass after a deletion or a move: the progress bar counts the folders (1 when there are
/// none), and each empty one is removed as removeFolder does, with the list's anchors.
void runEmptyFolderPass(const FoldersToCheck &folders, const RowAnchors &anchors, ActionProgress &progress);
