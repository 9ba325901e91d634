// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/AdvancedMarking.h"

#include "results/ResultModel.h"
#include "results/VersionOrder.h"
#include "search/FileMasks.h"

#include <QSet>

namespace
{
// Three-way comparison of two rows under the rule's value, ascending.
int compareValues(KeepRule rule, const ResultRow &a, const ResultRow &b)
{
    switch (rule)
    {
    case KeepRule::NewerFiles:
    case KeepRule::OlderFiles:
        return (a.stamp > b.stamp) - (a.stamp < b.stamp);
    case KeepRule::LargerFiles:
    case KeepRule::SmallerFiles:
        return (a.size > b.size) - (a.size < b.size);
    case KeepRule::NewerVersion:
    case KeepRule::OlderVersion:
        return VersionOrder::compare(a.version(), b.version());
    }
    return 0;
}

bool keepsGreatest(KeepRule rule)
{
    return rule == KeepRule::NewerFiles || rule == KeepRule::LargerFiles || rule == KeepRule::NewerVersion;
}

// True when the row at 0-based index a comes before the one at b in the rule's order.
bool keptBefore(KeepRule rule, const std::vector<ResultRow> &rows, size_t a, size_t b)
{
    int c = compareValues(rule, rows[a], rows[b]);
    if (c == 0)
    {
        const int t = QString::number(a + 1).compare(QString::number(b + 1));
        c = (t > 0) - (t < 0);
    }
    return keepsGreatest(rule) ? c > 0 : c < 0;
}
} // namespace

namespace AdvancedMarking
{
MarkOutcome markByRange(ResultModel &model, const RangeOptions &options)
{
    model.sortByColumn(ResultRow::ColSortGrpno, true);
    return {markByRangeAsListed(model, options), ListSort{ResultRow::ColGroup, true}};
}

MarkTally markByRangeAsListed(ResultModel &model, const RangeOptions &options)
{
    const std::vector<ResultRow> &rows = model.rows();
    std::vector<char> marks;
    marks.reserve(rows.size());
    for (const ResultRow &r : rows)
        marks.push_back(r.marked ? 1 : 0);

    MarkTally tally;
    // Only the kept file of a group matters, so each group keeps its best candidate so far. A
    // group with a file of a reference location keeps that file instead.
    qsizetype kept = -1;
    bool hasReference = false;
    auto closeGroup = [&] {
        if (kept >= 0 && !hasReference)
        {
            marks[static_cast<size_t>(kept)] = 0;
            tally.count -= 1;
            tally.total -= static_cast<double>(rows[static_cast<size_t>(kept)].size);
        }
        kept = -1;
        hasReference = false;
    };
    qint32 previous = 0;
    for (size_t i = 0; i < rows.size(); ++i)
    {
        const ResultRow &row = rows[i];
        if (row.group != previous)
        {
            closeGroup();
            previous = row.group;
        }
        if (row.reference)
        {
            hasReference = true;
            continue;
        }
        if (!FileMasks::matchesMask(row.name(), options.mask))
            continue;
        if (options.limitKb > 0 && tally.total / 1024 > options.limitKb)
            break;
        marks[i] = 1;
        tally.count += 1;
        tally.total += static_cast<double>(row.size);
        if (kept < 0 || keptBefore(options.rule, rows, i, static_cast<size_t>(kept)))
            kept = static_cast<qsizetype>(i);
    }
    closeGroup();
    model.setMarks([&marks](int i, const ResultRow &) { return marks[static_cast<size_t>(i)] != 0; });
    return tally;
}

void tickSubFolders(std::vector<FolderTick> &folders)
{
    // Folder texts end with "/", so a ticked folder that begins another one is one of that
    // folder's "/"-ended prefixes; odd texts without the "/" are compared one by one.
    QSet<QString> ticked;
    QStringList odd;
    for (const FolderTick &f : folders)
    {
        if (!f.ticked)
            continue;
        ticked.insert(f.folder);
        if (!f.folder.endsWith(u'/'))
            odd.append(f.folder);
    }
    if (ticked.isEmpty())
        return;
    for (FolderTick &f : folders)
    {
        if (f.ticked)
            continue;
        for (qsizetype k = f.folder.indexOf(u'/'); k >= 0 && !f.ticked; k = f.folder.indexOf(u'/', k + 1))
            f.ticked = ticked.contains(f.folder.left(k + 1));
        for (const QString &o : odd)
            f.ticked = f.ticked || f.folder.startsWith(o);
    }
}

MarkOutcome markByFolders(ResultModel &model, std::vector<FolderTick> &folders, bool includeSubFolders,
                          const QString &mask)
{
    // Marking leaves the list in the order the user sees: a sort by folder would split the groups.
    if (includeSubFolders)
        tickSubFolders(folders);
    QSet<QString> ticked;
    for (const FolderTick &f : folders)
    {
        if (f.ticked)
            ticked.insert(f.folder);
    }
    MarkTally tally;
    model.setMarks([&](int, const ResultRow &r) {
        if (!ticked.contains(r.path) || !FileMasks::matchesMask(r.name(), mask))
            return r.marked;
        tally.count += 1;
        tally.total += static_cast<double>(r.size);
        return true;
    });
    return {tally, std::nullopt};
}
} // namespace AdvancedMarking
