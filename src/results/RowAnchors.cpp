// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/RowAnchors.h"

#include "platform/FileStatus.h"
#include "platform/NativePath.h"
#include "results/ResultModel.h"

#include <algorithm>
#include <memory>

namespace
{
// Whether the innermost folder on the way from the root down to a folder (both included) that is
// a location's own folder is a reference location's.
bool inReference(const std::vector<FolderIdentity> &way, const QHash<FolderIdentity, bool> &locationKinds)
{
    for (auto id = way.crbegin(); id != way.crend(); ++id)
    {
        const auto kind = locationKinds.constFind(*id);
        if (kind != locationKinds.cend())
            return *kind;
    }
    return false;
}

// The rows by folder: runs of rows whose folder is one text, the runs in the order of their
// texts, so that a folder comes after the folders above it. Rows of one search share their
// folder's text, so rows are put together by where that text is kept (counted out, in the rows'
// order), and only one row of each run compares texts.
std::vector<std::pair<size_t, size_t>> rowsByFolder(const ResultModel &model, std::vector<qint32> &order,
                                                    const std::function<void()> &yield)
{
    const auto rows = static_cast<qint32>(model.size());
    QHash<std::pair<quintptr, qsizetype>, quint32> runOf;
    std::vector<quint32> runOfRow(static_cast<size_t>(rows));
    std::vector<std::pair<size_t, size_t>> runs; // first and end in order
    for (qint32 r = 0; r < rows; ++r)
    {
        if (yield)
            yield();
        const QString &path = model.row(r).path;
        const auto kept = std::pair(reinterpret_cast<quintptr>(path.constData()), path.size());
        auto run = runOf.constFind(kept);
        if (run == runOf.cend())
        {
            run = runOf.insert(kept, static_cast<quint32>(runs.size()));
            runs.emplace_back(0, 0);
        }
        runOfRow[static_cast<size_t>(r)] = *run;
        ++runs[*run].second;
    }
    size_t first = 0;
    for (auto &[start, end] : runs)
    {
        start = first;
        first += end;
        end = start;
    }
    order.resize(static_cast<size_t>(rows));
    for (qint32 r = 0; r < rows; ++r)
        order[runs[runOfRow[static_cast<size_t>(r)]].second++] = r;
    std::sort(runs.begin(), runs.end(), [&](const auto &a, const auto &b) {
        return model.row(order[a.first]).path < model.row(order[b.first]).path;
    });
    return runs;
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

    // Folder by folder in the order of their texts: each resolver keeps the folders down to the
    // last one open, so a folder is opened once, from the one above it, and its files are looked
    // at there.
    std::vector<qint32> order;
    for (const auto &[first, end] : rowsByFolder(model, order, yield))
    {
        const QString path = model.row(order[first]).path;
        AnchoredFiles::FolderResolver *anchoredIn = nullptr;
        // A folder text that does not end with "/" would join its name into another path.
        for (const qint32 i : byLength)
        {
            const SearchRoot &root = anchors.roots[static_cast<size_t>(i)];
            if (!path.endsWith(u'/') || !path.startsWith(root.folder))
                continue;
            AnchoredFiles::FolderResolver &resolver = *resolvers[static_cast<size_t>(i)];
            if (const auto id = resolver.identity(QStringView(path).mid(root.folder.size())))
            {
                anchors.folders.insert(path, {i, *id, inReference(resolver.way(), locationKinds)});
                anchoredIn = &resolver;
            }
            break;
        }
        for (size_t k = first; k < end; ++k)
        {
            if (yield)
                yield();
            const int r = order[k];
            const ResultRow &row = model.row(r);
            model.setIdentity(r, 0, 0, 0);
            if (!anchoredIn || !row.numbersAreOwn())
                continue;
            const FileStatus now = anchoredIn->statusOf(row.name());
            if (now.exists && now.size == row.size && now.stamp == row.stamp)
                model.setIdentity(r, now.device, now.inode, now.mtimeNs);
        }
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
