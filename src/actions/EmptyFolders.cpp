// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/EmptyFolders.h"

#include "platform/FolderEntries.h"

#include <algorithm>

namespace EmptyFolders
{
bool HasSubFolders(const QString &folder)
{
    bool found = false;
    FolderEntries::forEach(folder, [&](const FolderEntries::Entry &e) {
        found = e.isFolder && !e.name.startsWith(u'.');
        return !found;
    });
    return found;
}

bool HasFiles(const QString &folder)
{
    bool found = false;
    FolderEntries::forEach(folder, [&](const FolderEntries::Entry &e) {
        found = !e.isFolder;
        return !found;
    });
    return found;
}

bool IsFolderEmpty(const QString &folder)
{
    return !HasSubFolders(folder) && !HasFiles(folder);
}

void RemoveFolder(const QString &folder)
{
    FolderEntries::removeEmptyFolder(folder);
}
} // namespace EmptyFolders

void FoldersToCheck::QueueFolderCheck(const QString &folder)
{
    if (m_keys.contains(folder))
        return;
    m_keys.insert(folder);
    m_folders << folder;
}

void RunEmptyFolderPass(const FoldersToCheck &folders, ActionProgress &progress)
{
    progress.setProgressMaximum(std::max(1, folders.size()));
    progress.setProgressValue(0);
    progress.showStatus(QStringLiteral("Checking for empty folders. Please wait..."));
    for (int k = 0; k < folders.size(); ++k)
    {
        const QString &folder = folders.folders()[k];
        if (EmptyFolders::IsFolderEmpty(folder))
            EmptyFolders::RemoveFolder(folder);
        progress.setProgressValue(k + 1);
    }
}
