// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/SameNameSearch.h"

#include "core/ListRules.h"
#include "core/TextFormat.h"
#include "engine/VersionReader.h"
#include "platform/FileFunctions.h"
#include "results/ResultModel.h"

#include <QCoreApplication>

#include <algorithm>
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
    FileList::Index record;
    QString version;
};

// Repeated listings of one file: sorting put them next to each other. A folder ends with "/"
// and a name holds none, so folder + name are equal exactly when both parts are.
void dropRepeatedListings(ScanContext &ctx)
{
    std::vector<FileList::Index> &sorted = ctx.sortedFiles;
    const auto repeated = [&ctx](FileList::Index a, FileList::Index b) { return ctx.files.samePath(a, b); };
    const auto kept = std::unique(sorted.begin(), sorted.end(), repeated);
    ctx.totalFiles -= static_cast<qint32>(sorted.end() - kept);
    sorted.erase(kept, sorted.end());
}

// Appends the run of files named as the one at index k to the results, as one group; returns
// the index after the run (or the last index when the run ends the list).
size_t appendGroup(ScanContext &ctx, size_t k, qint32 &advanced)
{
    const FileList &files = ctx.files;
    const std::vector<FileList::Index> &sorted = ctx.sortedFiles;
    const QStringView name = files.name(sorted[k]);
    // Read whole before anything is appended, so that Retry after a failure starts it again.
    std::vector<GroupMember> members;
    size_t j = k;
    while (!ctx.cancelSearch && ListRules::sameName(files.name(sorted[j]), name))
    {
        members.push_back({sorted[j], fileVersionText(files.fullPath(sorted[j]))});
        if (j + 1 == sorted.size())
            break;
        ++j;
        ++advanced;
    }
    for (size_t m = 0; m < members.size(); ++m)
    {
        const FileList::Index record = members[m].record;
        if (m == 0)
        {
            ctx.groupShade = ctx.groupShade != 1 ? 1 : 2;
        }
        else
        {
            ++ctx.duplicateCount;
            ctx.duplicateSize += files.size(record);
        }
        ctx.results.append(record, members[m].version, ctx.groupShade);
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
    else if (ctx.results.count() % 100 == 0)
        ctx.sink.status(Tr::tr("Searching for same name files...(%1) %2%").arg(progress, percent));
}
} // namespace

void findSameName(ScanContext &ctx)
{
    const qint32 t = static_cast<qint32>(ctx.sortedFiles.size());
    qint32 p = 0;
    ErrorReporter &errors = ctx.sink.errors();
    // The procedure's name in error reports, the same in every language.
    const QString label = QStringLiteral("Find Same Name");
    if (!runStep(errors, label, [&] { dropRepeatedListings(ctx); }))
        return;

    const std::vector<FileList::Index> &sorted = ctx.sortedFiles;
    size_t k = 0;
    bool done = false;
    // One pass per step: a run of equal names is read first and appended only when complete, so
    // that Retry after a failure starts the pass again from where it began.
    auto pass = [&] {
        if (!ctx.keepGoing() || k + 1 >= sorted.size())
        {
            done = true;
            return;
        }
        if (!ListRules::sameName(ctx.files.name(sorted[k]), ctx.files.name(sorted[k + 1])))
        {
            // A file of a name no other file has.
            ++k;
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
    std::vector<ResultRow> rows;
    for (const FileList::Index record : ctx.sortedFiles)
    {
        ctx.keepGoing(); // yields; a cancel does not shorten the listing
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
