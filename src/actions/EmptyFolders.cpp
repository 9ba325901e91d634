// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/EmptyFolders.h"

#include "platform/EmptyFolderRemoval.h"
#include "platform/FolderEntries.h"
#include "results/RowAnchors.h"

#include <QCoreApplication>

#include <algorithm>

namespace EmptyFolders
{
bool hasSubFolders(const QString &folder)
{
    bool found = false;
    FolderEntries::forEach(folder, [&](const FolderEntries::Entry &e) {
        found = e.isFolder && !e.name.startsWith(u'.');
        return !found;
    });
    return found;
}

bool hasFiles(const QString &folder)
{
    bool found = false;
    FolderEntries::forEach(folder, [&](const FolderEntries::Entry &e) {
        found = !e.isFolder;
        return !found;
    });
    return found;
}

bool isFolderEmpty(const QString &folder)
{
    return !hasSubFolders(folder) && !hasFiles(folder);
}

bool removeFolder(const RowAnchors &anchors, const QString &folder)
{
    // By the folder's identity, not its text: the text may name a link or another folder by now.
    const RowAnchors::Folder *traced = anchors.folder(folder);
    if (!traced)
        return false;
    const SearchRoot &root = anchors.roots[static_cast<size_t>(traced->root)];
    return EmptyFolderRemoval::removeIfEmpty(root, QStringView(folder).mid(root.folder.size()), traced->id,
                                             anchors.roots) == EmptyFolderRemoval::Outcome::Removed;
}
} // namespace EmptyFolders

void FoldersToCheck::queueFolderCheck(const QString &folder)
{
    if (m_keys.contains(folder))
        return;
    m_keys.insert(folder);
    m_folders << folder;
}

void runEmptyFolderPass(const FoldersToCheck &folders, const RowAnchors &anchors, ActionProgress &progress)
{
    progress.setProgressMaximum(std::max(1, folders.size()));
    progress.setProgressValue(0);
    progress.showStatus(QCoreApplication::translate("EmptyFolders", "Checking for empty folders. Please wait..."));
    for (int k = 0; k < folders.size(); ++k)
    {
        const QString &folder = folders.folders()[k];
        if (EmptyFolders::isFolderEmpty(folder))
            EmptyFolders::removeFolder(anchors, folder);
        progress.setProgressValue(k + 1);
    }
}
