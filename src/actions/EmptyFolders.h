// SPDX-License-Identifier: GPL-3.0-or-later
// Removing the folders that a deletion or a move left empty: one level, never their parents.
#pragma once

#include "actions/ActionProgress.h"

#include <QSet>
#include <QString>
#include <QStringList>

namespace EmptyFolders
{
/// True when the folder holds a sub-folder whose name does not begin with ".".
bool HasSubFolders(const QString &folder);
/// True when the folder holds anything that is not a folder (hidden files and links included).
bool HasFiles(const QString &folder);
/// Neither sub-folders nor files; a folder that cannot be listed counts as empty (and its
/// removal then fails harmlessly).
bool IsFolderEmpty(const QString &folder);
/// Removes the folder if it is empty; any failure is ignored.
void RemoveFolder(const QString &folder);
} // namespace EmptyFolders

/// The folders that held processed files, each once, in the order first touched (compared exactly:
/// on Linux /a/X/ and /a/x/ are two folders).
class FoldersToCheck
{
public:
    /// Adds the folder unless it is there already.
    void QueueFolderCheck(const QString &folder);
    const QStringList &folders() const { return m_folders; }
    int size() const { return static_cast<int>(m_folders.size()); }

private:
    QStringList m_folders;
    QSet<QString> m_keys;
};

/// The pass after a deletion or a move: the progress bar counts the folders (1 when there are
/// none), and each empty one is removed.
void RunEmptyFolderPass(const FoldersToCheck &folders, ActionProgress &progress);
