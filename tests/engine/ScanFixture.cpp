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
        ctx.files.append(FileRecord{
            info.size(), info.fileName(), info.absolutePath() + u'/', info.lastModified().toSecsSinceEpoch(), {}});
    }
    loadFileHive(ctx.fileHive, ctx.files, RecordSort::sorted(ctx.files, RecordOrder::SizeFirst),
                 RecordOrder::SizeFirst);
    ctx.totalFiles = static_cast<qint32>(paths.size());
}

ScanOutcome outcomeOf(const ScanContext &ctx)
{
    ScanOutcome out;
    const CHive &r = ctx.resultHive;
    for (qint32 p = 1; p <= r.count(); ++p)
    {
        std::array<QString, 6> row;
        for (int v = 0; v < 6; ++v)
            row[static_cast<size_t>(v)] = r.at(p, v).toString();
        out.results.push_back(row);
    }
    out.totalFiles = ctx.totalFiles;
    out.duplicateCount = ctx.duplicateCount;
    out.duplicateSize = ctx.duplicateSize;
    out.groupShade = ctx.groupShade;
    return out;
}

std::vector<QStringList> groupsOf(const CHive &resultHive)
{
    std::vector<QStringList> groups;
    QString shade;
    for (qint32 p = 1; p <= resultHive.count(); ++p)
    {
        const QString s = resultHive.at(p, 4).toString();
        if (groups.empty() || s != shade)
            groups.emplace_back();
        shade = s;
        groups.back() << resultHive.at(p, 2).toString() + resultHive.at(p, 1).toString();
    }
    return groups;
}
