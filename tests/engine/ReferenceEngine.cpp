// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferenceEngine.h"

#include "ReferenceCompare.h"
#include "core/VbNumeric.h"
#include "engine/SearchEngine.h"
#include "engine/VersionReader.h"

namespace
{
bool sameSizeKey(const QString &a, const QString &b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

QString fullPath(CHive &hive, qint32 p)
{
    return hive.value(p, 2).toString() + hive.value(p, 1).toString();
}

bool filesMatch(const ScanOptions &options, const QString &a, const QString &b)
{
    if (options.engine == ScanOptions::Crc32)
        return ReferenceCompare::sameCrc(a, b);
    if (options.fuzzy)
        return SearchEngine::compareFilesFuzzy(a, b) == 1;
    return ReferenceCompare::compareFilesExact(a, b) == 1;
}

void appendResult(ScanContext &ctx, ReferenceEngine::Hives &hives, qint32 p)
{
    CHive &g = hives.group;
    hives.results.add(g.value(p, 0), g.value(p, 1), g.value(p, 2), fileVersionText(fullPath(g, p)), ctx.groupShade,
                      g.value(p, 3));
}
} // namespace

namespace ReferenceEngine
{
void load(const ScanContext &ctx, Hives &hives)
{
    for (const FileList::Index record : ctx.sortedFiles)
    {
        const std::array<QString, 4> f = ctx.files.record(record).fields(RecordOrder::SizeFirst);
        hives.files.add(f[0], f[1], f[2], f[3], 1, 1);
    }
}

void findSameSize(ScanContext &ctx, Hives &hives)
{
    CHive &files = hives.files;
    qint32 i = 1;
    for (;;)
    {
        if (!ctx.keepGoing() || i >= files.count())
            return;
        const QString k = files.value(i, 0).toString();
        if (!sameSizeKey(k, files.value(i + 1, 0).toString()))
        {
            files.remove(i);
            continue;
        }
        hives.group.clear();
        for (;;)
        {
            if (ctx.cancelSearch || !sameSizeKey(files.value(i, 0).toString(), k))
                break;
            hives.group.add(files.value(i, 0), files.value(i, 1), files.value(i, 2), files.value(i, 3), 1, 1);
            if (i == files.count())
                break;
            ++i;
        }
        compareGroup(ctx, hives);
    }
}

void compareGroup(ScanContext &ctx, Hives &hives)
{
    CHive &g = hives.group;
    qint32 i = 1;
    while (i < g.count())
    {
        if (fullPath(g, i) == fullPath(g, i + 1))
        {
            g.remove(i + 1);
            --ctx.totalFiles;
        }
        else
            ++i;
    }
    const qint32 n = g.count();
    for (i = 1; i <= n; ++i)
    {
        bool started = false;
        qint32 j = i + 1;
        while (j <= g.count())
        {
            if (!ctx.keepGoing())
                return;
            if (!filesMatch(ctx.options, fullPath(g, i), fullPath(g, j)))
            {
                ++j;
                continue;
            }
            if (!started)
            {
                ctx.groupShade = ctx.groupShade != 1 ? 1 : 2;
                appendResult(ctx, hives, i);
                started = true;
            }
            appendResult(ctx, hives, j);
            ++ctx.duplicateCount;
            ctx.duplicateSize += static_cast<qint64>(VbNumeric::val(g.value(j, 0).toString()));
            g.remove(j);
        }
    }
}
} // namespace ReferenceEngine
