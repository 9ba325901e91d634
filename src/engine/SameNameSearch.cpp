// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/SameNameSearch.h"

#include "core/ListRules.h"
#include "core/TextFormat.h"
#include "engine/VersionReader.h"
#include "platform/FileFunctions.h"
#include "results/ResultModel.h"

#include <vector>

namespace
{
struct GroupMember
{
    qint32 position;
    QString version;
};
} // namespace

void FindSameName(ScanContext &ctx)
{
    CHive &hive = ctx.FileHive;
    const FileList &files = ctx.Files;
    auto record = [&](qint32 position) { return hive.rowAt(position); };
    const qint32 t = hive.Count();
    qint32 p = 0;
    ErrorReporter &errors = ctx.sink.errors();
    const QString label = QStringLiteral("Find Same Name");

    // Repeated listings of one file: sorting put them next to each other. A folder ends with "/"
    // and a name holds none, so folder + name are equal exactly when both parts are.
    const bool ran = runStep(errors, label, [&] {
        qint32 i = 1;
        while (i < hive.Count())
        {
            if (files.samePath(record(i), record(i + 1)))
            {
                hive.Remove(i + 1);
                --ctx.TotalFiles;
            }
            else
            {
                ++i;
            }
        }
    });
    if (!ran)
        return;

    qint32 k = 1;
    bool done = false;
    // One pass per step: a run of equal names is read first and appended only when complete, so
    // that Retry after a failure starts the pass again from where it began.
    auto pass = [&] {
        if (!ctx.keepGoing() || k >= hive.Count())
        {
            done = true;
            return;
        }
        const QStringView name = files.name(record(k));
        if (!ListRules::sameName(name, files.name(record(k + 1))))
        {
            hive.Remove(k);
            ++p;
        }
        else
        {
            std::vector<GroupMember> members;
            qint32 j = k;
            qint32 advanced = 0;
            while (!ctx.CancelSearch && ListRules::sameName(files.name(record(j)), name))
            {
                members.push_back({j, GetFileVersionText(files.fullPath(record(j)))});
                if (j == hive.Count())
                    break;
                ++j;
                ++advanced;
            }
            for (size_t m = 0; m < members.size(); ++m)
            {
                const qint32 e = members[m].position;
                if (m == 0)
                {
                    ctx.GroupShade = ctx.GroupShade != 1 ? 1 : 2;
                }
                else
                {
                    ++ctx.DuplicateCount;
                    ctx.DuplicateSize += files.size(record(e));
                }
                ctx.ResultHive.AddRef(ctx.Results.append(record(e), members[m].version, ctx.GroupShade));
            }
            k = j;
            p += advanced;
        }
        ScanProgress counted;
        counted.stage = ScanProgress::Stage::Compare;
        counted.unit = ScanProgress::Unit::Files;
        counted.done = p;
        counted.total = t;
        ctx.sink.progress(counted);
        const QString progress = QString::number(p) + u'/' + QString::number(t);
        const QString percent = TextFormat::oneDecimal(t > 0 ? 100.0 / t * p : 0.0);
        if (ctx.sink.minimized())
            ctx.sink.caption(percent + QStringLiteral("% (") + progress + u')');
        else if (ctx.ResultHive.Count() % 100 == 0)
            ctx.sink.status(QStringLiteral("Searching for same name files...(") + progress + QStringLiteral(") ") +
                            percent + u'%');
    };
    const std::function<void()> step = pass;
    while (!done)
    {
        if (!runStep(errors, label, step))
            return;
    }
}

void ListZeroSizeFiles(ScanContext &ctx, ResultModel &model, const std::function<bool(const QString &)> &fileExists)
{
    const auto exists = fileExists ? fileExists : FileFunctions::FileExists;
    const CHive &hive = ctx.FileHive;
    const qint32 n = hive.Count();
    std::vector<ResultRow> rows;
    for (qint32 i = 1; i <= n; ++i)
    {
        ctx.keepGoing(); // yields; a cancel does not shorten the listing
        const FileList::Index record = hive.rowAt(i);
        ResultRow row;
        row.name = ctx.Files.name(record).toString();
        row.path = ctx.Files.folder(record);
        if (!exists(row.path + row.name))
            continue;
        row.size = 0;
        row.version = QStringLiteral("N/A");
        row.setModified(ctx.Files.date(record));
        rows.push_back(std::move(row));
    }
    if (model.isEmpty())
    {
        model.setRows(std::move(rows));
        return;
    }
    for (ResultRow &row : rows)
        model.appendRow(std::move(row));
}
