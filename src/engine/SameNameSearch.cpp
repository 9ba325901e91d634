// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/SameNameSearch.h"

#include "core/ListRules.h"
#include "core/TextFormat.h"
#include "engine/VersionReader.h"
#include "platform/FileFunctions.h"
#include "results/ResultModel.h"

#include <QCoreApplication>

#include <vector>

namespace
{
// The texts of this file for translators.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(SameNameSearch)
};

struct GroupMember
{
    qint32 position;
    QString version;
};

qint32 recordAt(const ScanContext &ctx, qint32 position)
{
    return ctx.fileHive.rowAt(position);
}

// Repeated listings of one file: sorting put them next to each other. A folder ends with "/"
// and a name holds none, so folder + name are equal exactly when both parts are.
void dropRepeatedListings(ScanContext &ctx)
{
    CHive &hive = ctx.fileHive;
    qint32 i = 1;
    while (i < hive.count())
    {
        if (ctx.files.samePath(recordAt(ctx, i), recordAt(ctx, i + 1)))
        {
            hive.remove(i + 1);
            --ctx.totalFiles;
        }
        else
        {
            ++i;
        }
    }
}

// Appends the run of files named as the one at position k to the results, as one group; returns
// the position after the run (or the last position when the run ends the list).
qint32 appendGroup(ScanContext &ctx, qint32 k, qint32 &advanced)
{
    const FileList &files = ctx.files;
    const QStringView name = files.name(recordAt(ctx, k));
    // Read whole before anything is appended, so that Retry after a failure starts it again.
    std::vector<GroupMember> members;
    qint32 j = k;
    while (!ctx.cancelSearch && ListRules::sameName(files.name(recordAt(ctx, j)), name))
    {
        members.push_back({j, fileVersionText(files.fullPath(recordAt(ctx, j)))});
        if (j == ctx.fileHive.count())
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
            ctx.duplicateSize += files.size(recordAt(ctx, e));
        }
        ctx.resultHive.addRef(ctx.results.append(recordAt(ctx, e), members[m].version, ctx.groupShade));
    }
    return j;
}

// p of t files looked at.
void showProgress(ScanContext &ctx, qint32 p, qint32 t)
{
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
        ctx.sink.status(Tr::tr("Searching for same name files...(%1) %2%").arg(progress, percent));
}
} // namespace

void findSameName(ScanContext &ctx)
{
    CHive &hive = ctx.fileHive;
    const qint32 t = hive.count();
    qint32 p = 0;
    ErrorReporter &errors = ctx.sink.errors();
    // The procedure's name in error reports, the same in every language.
    const QString label = QStringLiteral("Find Same Name");
    if (!runStep(errors, label, [&] { dropRepeatedListings(ctx); }))
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
        if (!ListRules::sameName(ctx.files.name(recordAt(ctx, k)), ctx.files.name(recordAt(ctx, k + 1))))
        {
            hive.remove(k);
            ++p;
        }
        else
        {
            qint32 advanced = 0;
            k = appendGroup(ctx, k, advanced);
            p += advanced;
        }
        showProgress(ctx, p, t);
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
        row.setName(ctx.files.name(record));
        row.path = ctx.files.folder(record);
        if (!exists(row.path + row.name()))
            continue;
        row.size = 0;
        // A value of the row, saved in session files and exports: the same in every language.
        row.setVersion(QStringLiteral("N/A"));
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
