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

void findSameName(ScanContext &ctx)
{
    CHive &hive = ctx.fileHive;
    const FileList &files = ctx.files;
    auto record = [&](qint32 position) { return hive.rowAt(position); };
    const qint32 t = hive.count();
    qint32 p = 0;
    ErrorReporter &errors = ctx.sink.errors();
    const QString label = QStringLiteral("Find Same Name");

    // Repeated listings of one file: sorting put them next to each other. A folder ends with "/"
    // and a name holds none, so folder + name are equal exactly when both parts are.
    const bool ran = runStep(errors, label, [&] {
        qint32 i = 1;
        while (i < hive.count())
        {
            if (files.samePath(record(i), record(i + 1)))
            {
                hive.remove(i + 1);
                --ctx.totalFiles;
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
        if (!ctx.keepGoing() || k >= hive.count())
        {
            done = true;
            return;
        }
        const QStringView name = files.name(record(k));
        if (!ListRules::sameName(name, files.name(record(k + 1))))
        {
            hive.remove(k);
            ++p;
        }
        else
        {
            std::vector<GroupMember> members;
            qint32 j = k;
            qint32 advanced = 0;
            while (!ctx.cancelSearch && ListRules::sameName(files.name(record(j)), name))
            {
                members.push_back({j, fileVersionText(files.fullPath(record(j)))});
                if (j == hive.count())
                    break;
                ++j;
                ++advanced;
            }
            for (size_t m = 0; m < members.size(); ++m)
            {
                const qint32 e = members[m].position;
                if (m == 0)
                {
                    ctx.groupShade = ctx.groupShade != 1 ? 1 : 2;
                }
                else
                {
                    ++ctx.duplicateCount;
                    ctx.duplicateSize += files.size(record(e));
                }
                ctx.resultHive.addRef(ctx.results.append(record(e), members[m].version, ctx.groupShade));
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
        else if (ctx.resultHive.count() % 100 == 0)
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

void listZeroSizeFiles(ScanContext &ctx, ResultModel &model, const std::function<bool(const QString &)> &fileExists)
{
    const auto exists = fileExists ? fileExists : FileFunctions::fileExists;
    const CHive &hive = ctx.fileHive;
    const qint32 n = hive.count();
    std::vector<ResultRow> rows;
    for (qint32 i = 1; i <= n; ++i)
    {
        ctx.keepGoing(); // yields; a cancel does not shorten the listing
        const FileList::Index record = hive.rowAt(i);
        ResultRow row;
        row.name = ctx.files.name(record).toString();
        row.path = ctx.files.folder(record);
        if (!exists(row.path + row.name))
            continue;
        row.size = 0;
        row.version = QStringLiteral("N/A");
        row.setModified(ctx.files.date(record));
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
