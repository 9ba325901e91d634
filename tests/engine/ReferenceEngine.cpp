// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferenceEngine.h"

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
    return hive.Item2(p).toString() + hive.Item1(p).toString();
}

bool filesMatch(const ScanOptions &options, const QString &a, const QString &b)
{
    if (options.engine == ScanOptions::Crc32)
        return SearchEngine::CRC(a, b);
    if (options.fuzzy)
        return SearchEngine::CompareFilesFuzzy(a, b) == 1;
    return SearchEngine::CompareFilesExact(a, b) == 1;
}

void appendResult(ScanContext &ctx, qint32 p)
{
    CHive &g = ctx.GroupHive;
    ctx.ResultHive.Add(g.Item(p), g.Item1(p), g.Item2(p), GetFileVersionText(fullPath(g, p)), ctx.GroupShade,
                       g.Item3(p));
}
} // namespace

namespace ReferenceEngine
{
void FindSameSize(ScanContext &ctx)
{
    CHive &files = ctx.FileHive;
    qint32 i = 1;
    for (;;)
    {
        if (!ctx.keepGoing() || i >= files.Count())
            return;
        const QString k = files.Item(i).toString();
        if (!sameSizeKey(k, files.Item(i + 1).toString()))
        {
            files.Remove(i);
            continue;
        }
        ctx.GroupHive.Clear();
        for (;;)
        {
            if (ctx.CancelSearch || !sameSizeKey(files.Item(i).toString(), k))
                break;
            ctx.GroupHive.Add(files.Item(i), files.Item1(i), files.Item2(i), files.Item3(i), 1, 1);
            if (i == files.Count())
                break;
            ++i;
        }
        CompareGroup(ctx);
    }
}

void CompareGroup(ScanContext &ctx)
{
    CHive &g = ctx.GroupHive;
    qint32 i = 1;
    while (i < g.Count())
    {
        if (fullPath(g, i) == fullPath(g, i + 1))
        {
            g.Remove(i + 1);
            --ctx.TotalFiles;
        }
        else
            ++i;
    }
    const qint32 n = g.Count();
    for (i = 1; i <= n; ++i)
    {
        bool started = false;
        qint32 j = i + 1;
        while (j <= g.Count())
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
                ctx.GroupShade = ctx.GroupShade != 1 ? 1 : 2;
                appendResult(ctx, i);
                started = true;
            }
            appendResult(ctx, j);
            ++ctx.DuplicateCount;
            ctx.DuplicateSize += static_cast<qint64>(VbNumeric::Val(g.Item(j).toString()));
            g.Remove(j);
        }
    }
}
} // namespace ReferenceEngine
