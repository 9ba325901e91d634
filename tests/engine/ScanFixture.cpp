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

void loadSortedFiles(ScanContext &ctx, const QStringList &paths)
{
    for (const QString &path : paths)
    {
        const QFileInfo info(path);
        ctx.files.append(FileRecord{
            info.size(), info.fileName(), info.absolutePath() + u'/', info.lastModified().toSecsSinceEpoch(), {}});
    }
    ctx.sortedFiles = RecordSort::sorted(ctx.files, RecordOrder::SizeFirst);
    ctx.totalFiles = static_cast<qint32>(paths.size());
}

ScanOutcome outcomeOf(const ScanContext &ctx, const CHive *results)
{
    ScanOutcome out;
    const qint32 n = results ? results->count() : static_cast<qint32>(ctx.results.count());
    for (qint32 p = 1; p <= n; ++p)
    {
        std::array<QString, 6> row;
        for (int v = 0; v < 6; ++v)
        {
            const QVariant value = results ? results->at(p, v) : ctx.results.value(static_cast<quint32>(p - 1), v);
            row[static_cast<size_t>(v)] = value.toString();
        }
        out.results.push_back(row);
    }
    out.totalFiles = ctx.totalFiles;
    out.duplicateCount = ctx.duplicateCount;
    out.duplicateSize = ctx.duplicateSize;
    out.groupShade = ctx.groupShade;
    return out;
}

std::vector<QStringList> groupsOf(const ResultList &results)
{
    std::vector<QStringList> groups;
    QString shade;
    for (quint32 r = 0; r < results.count(); ++r)
    {
        const QString s = results.value(r, 4).toString();
        if (groups.empty() || s != shade)
            groups.emplace_back();
        shade = s;
        groups.back() << results.value(r, 2).toString() + results.value(r, 1).toString();
    }
    return groups;
}
