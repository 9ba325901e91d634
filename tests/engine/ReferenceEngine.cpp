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

void appendResult(ScanContext &ctx, qint32 p)
{
    CHive &g = ctx.groupHive;
    ctx.resultHive.add(g.value(p, 0), g.value(p, 1), g.value(p, 2), fileVersionText(fullPath(g, p)), ctx.groupShade,
                       g.value(p, 3));
}
} // namespace

namespace ReferenceEngine
{
void findSameSize(ScanContext &ctx)
{
    CHive &files = ctx.fileHive;
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
        ctx.groupHive.clear();
        for (;;)
        {
            if (ctx.cancelSearch || !sameSizeKey(files.value(i, 0).toString(), k))
                break;
            ctx.groupHive.add(files.value(i, 0), files.value(i, 1), files.value(i, 2), files.value(i, 3), 1, 1);
            if (i == files.count())
                break;
            ++i;
        }
        compareGroup(ctx);
    }
}

void compareGroup(ScanContext &ctx)
{
    CHive &g = ctx.groupHive;
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
                appendResult(ctx, i);
                started = true;
            }
            appendResult(ctx, j);
            ++ctx.duplicateCount;
            ctx.duplicateSize += static_cast<qint64>(VbNumeric::val(g.value(j, 0).toString()));
            g.remove(j);
        }
    }
}
} // namespace ReferenceEngine
