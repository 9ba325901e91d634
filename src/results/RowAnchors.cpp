// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/RowAnchors.h"

#include "platform/FileStatus.h"
#include "platform/NativePath.h"
#include "results/ResultModel.h"

#include <algorithm>
#include <memory>

namespace
{
// The numbers of a row are its own only when no text of a foreign or damaged file stands in for them.
bool numbersAreOwn(const ResultRow &row)
{
    return row.stamp != 0 && (!row.texts || (!row.texts->size && !row.texts->modified));
}
} // namespace

void anchorRows(ResultModel &model, ListOrigin origin, const QStringList &locationFolders,
                const std::function<void()> &yield)
{
    RowAnchors anchors;
    anchors.origin = origin;
    std::vector<std::unique_ptr<AnchoredFiles::FolderResolver>> resolvers;
    for (const QString &folder : locationFolders)
    {
        SearchRoot root = AnchoredFiles::resolveRoot(folder);
        if (!root.valid())
            continue;
        anchors.roots.push_back(root);
        resolvers.push_back(std::make_unique<AnchoredFiles::FolderResolver>(std::move(root)));
    }
    // The longest location first: a folder inside two nested locations belongs to the inner one.
    std::vector<qint32> byLength(anchors.roots.size());
    for (size_t i = 0; i < byLength.size(); ++i)
        byLength[i] = static_cast<qint32>(i);
    std::stable_sort(byLength.begin(), byLength.end(), [&](qint32 a, qint32 b) {
        return anchors.roots[static_cast<size_t>(a)].folder.size() >
               anchors.roots[static_cast<size_t>(b)].folder.size();
    });

    QHash<QString, bool> seen; // folder text -> anchored
    for (int r = 0; r < model.size(); ++r)
    {
        if (yield)
            yield();
        const ResultRow &row = model.row(r);
        auto known = seen.constFind(row.path);
        if (known == seen.cend())
        {
            bool anchored = false;
            // A folder text that does not end with "/" would join its name into another path.
            for (const qint32 i : byLength)
            {
                const SearchRoot &root = anchors.roots[static_cast<size_t>(i)];
                if (!row.path.endsWith(u'/') || !row.path.startsWith(root.folder))
                    continue;
                const auto id =
                    resolvers[static_cast<size_t>(i)]->identity(QStringView(row.path).mid(root.folder.size()));
                if (id)
                {
                    anchors.folders.insert(row.path, {i, *id});
                    anchored = true;
                }
                break;
            }
            known = seen.insert(row.path, anchored);
        }
        model.setIdentity(r, 0, 0, 0);
        if (!*known || !numbersAreOwn(row))
            continue;
        const RowAnchors::Folder &folder = *anchors.folder(row.path);
        const SearchRoot &root = anchors.roots[static_cast<size_t>(folder.root)];
        const QString real = NativePath::decode(root.real) + u'/' + QStringView(row.path).mid(root.folder.size());
        const FileStatus now = statFile(real + row.name);
        if (now.exists && now.size == row.size && now.stamp == row.stamp)
            model.setIdentity(r, now.device, now.inode, now.mtimeNs);
    }
    model.setAnchors(std::move(anchors));
}

std::optional<AnchoredFiles::Location> locateRow(const ResultModel &model, int row)
{
    const ResultRow &r = model.row(row);
    const RowAnchors &anchors = model.anchors();
    const RowAnchors::Folder *folder = anchors.folder(r.path);
    if (!folder)
        return std::nullopt;
    const SearchRoot &root = anchors.roots[static_cast<size_t>(folder->root)];
    return AnchoredFiles::locate(root, QStringView(r.path).mid(root.folder.size()), folder->id, r.name);
}
