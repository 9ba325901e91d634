// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/RowAnchors.h"

#include "platform/FileStatus.h"
#include "platform/NativePath.h"
#include "results/ResultModel.h"

#include <algorithm>
#include <memory>

namespace
{
// Whether the innermost folder on the way from the root down to `relative` (both included) that
// is a location's own folder is a reference location's. Every folder on the way has been looked
// at already (the resolver remembers each).
bool inReference(AnchoredFiles::FolderResolver &resolver, QStringView relative,
                 const QHash<FolderIdentity, bool> &locationKinds)
{
    QStringView step = relative;
    while (step.endsWith(u'/'))
        step.chop(1);
    for (;;)
    {
        if (const auto id = resolver.identity(step))
        {
            const auto kind = locationKinds.constFind(*id);
            if (kind != locationKinds.cend())
                return *kind;
        }
        if (step.isEmpty())
            return false;
        const qsizetype slash = step.lastIndexOf(u'/');
        step = slash < 0 ? QStringView() : step.left(slash);
    }
}

// The indexes of the roots, the longest folder first: a folder inside two nested locations
// belongs to the inner one.
std::vector<qint32> longestFirst(const std::vector<SearchRoot> &roots)
{
    std::vector<qint32> byLength(roots.size());
    for (size_t i = 0; i < byLength.size(); ++i)
        byLength[i] = static_cast<qint32>(i);
    std::stable_sort(byLength.begin(), byLength.end(), [&](qint32 a, qint32 b) {
        return roots[static_cast<size_t>(a)].folder.size() > roots[static_cast<size_t>(b)].folder.size();
    });
    return byLength;
}
} // namespace

QSet<QString> referenceFoldersByIdentity(const RowAnchors &anchors)
{
    QSet<QString> folders;
    for (auto it = anchors.folders.cbegin(); it != anchors.folders.cend(); ++it)
    {
        if (it->reference)
            folders.insert(it.key());
    }
    return folders;
}

void anchorRows(ResultModel &model, ListOrigin origin, const QStringList &locationFolders,
                const std::function<void()> &yield, const QStringList &referenceFolders)
{
    RowAnchors anchors;
    anchors.origin = origin;
    std::vector<std::unique_ptr<AnchoredFiles::FolderResolver>> resolvers;
    // Each location's own folder by identity, and whether a reference location is that folder.
    QHash<FolderIdentity, bool> locationKinds;
    for (const QString &folder : locationFolders)
    {
        SearchRoot root = AnchoredFiles::resolveRoot(folder);
        if (!root.valid())
            continue;
        bool &reference = locationKinds[root.id];
        reference = reference || referenceFolders.contains(folder);
        anchors.roots.push_back(root);
        resolvers.push_back(std::make_unique<AnchoredFiles::FolderResolver>(std::move(root)));
    }
    const std::vector<qint32> byLength = longestFirst(anchors.roots);

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
                AnchoredFiles::FolderResolver &resolver = *resolvers[static_cast<size_t>(i)];
                const QStringView relative = QStringView(row.path).mid(root.folder.size());
                if (const auto id = resolver.identity(relative))
                {
                    anchors.folders.insert(row.path, {i, *id, inReference(resolver, relative, locationKinds)});
                    anchored = true;
                }
                break;
            }
            known = seen.insert(row.path, anchored);
        }
        model.setIdentity(r, 0, 0, 0);
        if (!*known || !row.numbersAreOwn())
            continue;
        const RowAnchors::Folder &folder = *anchors.folder(row.path);
        const SearchRoot &root = anchors.roots[static_cast<size_t>(folder.root)];
        const QString real = NativePath::decode(root.real) + u'/' + QStringView(row.path).mid(root.folder.size());
        const FileStatus now = statFile(real + row.name());
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
    return AnchoredFiles::locate(root, QStringView(r.path).mid(root.folder.size()), folder->id, r.name());
}
