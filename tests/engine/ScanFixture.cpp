// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScanFixture.h"

#include "engine/RecordSort.h"

#include <QDir>
#include <QFileInfo>

int openFileCount()
{
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd"))
                                .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)
                                .size());
}

void loadFileHive(ScanContext &ctx, const QStringList &paths)
{
    for (const QString &path : paths)
    {
        const QFileInfo info(path);
        ctx.Files.append(FileRecord{
            info.size(), info.fileName(), info.absolutePath() + u'/', info.lastModified().toSecsSinceEpoch(), {}});
    }
    LoadFileHive(ctx.FileHive, ctx.Files, RecordSort::sorted(ctx.Files, RecordOrder::SizeFirst),
                 RecordOrder::SizeFirst);
    ctx.TotalFiles = static_cast<qint32>(paths.size());
}

ScanOutcome outcomeOf(const ScanContext &ctx)
{
    ScanOutcome out;
    const CHive &r = ctx.ResultHive;
    for (qint32 p = 1; p <= r.Count(); ++p)
    {
        std::array<QString, 6> row;
        for (int v = 0; v < 6; ++v)
            row[static_cast<size_t>(v)] = r.at(p, v).toString();
        out.results.push_back(row);
    }
    out.totalFiles = ctx.TotalFiles;
    out.duplicateCount = ctx.DuplicateCount;
    out.duplicateSize = ctx.DuplicateSize;
    out.groupShade = ctx.GroupShade;
    return out;
}

std::vector<QStringList> groupsOf(const CHive &resultHive)
{
    std::vector<QStringList> groups;
    QString shade;
    for (qint32 p = 1; p <= resultHive.Count(); ++p)
    {
        const QString s = resultHive.at(p, 4).toString();
        if (groups.empty() || s != shade)
            groups.emplace_back();
        shade = s;
        groups.back() << resultHive.at(p, 2).toString() + resultHive.at(p, 1).toString();
    }
    return groups;
}
