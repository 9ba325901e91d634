// SPDX-License-Identifier: GPL-3.0-or-later
// Marking a million result rows: "Mark All Duplicates", its size-limited variant and advanced
// marking, each on a list sorted by file name (so each command has to sort by group first).
#include "Bench.h"

#include "results/AdvancedMarking.h"
#include "results/MarkingRules.h"
#include "results/ResultModel.h"

#include <ctime>
#include <random>

namespace
{
// Groups of two to five copies in 1,000 folders, with random dates, listed by file name.
void fillList(ResultModel &model, int n)
{
    std::mt19937 rng(7);
    QStringList folders;
    for (int f = 0; f < 1000; ++f)
        folders << QStringLiteral("/home/user/data/folder%1/").arg(f);
    std::vector<ResultRow> rows;
    rows.reserve(static_cast<size_t>(n));
    qint32 group = 0;
    while (static_cast<int>(rows.size()) < n)
    {
        ++group;
        const auto copies = 2 + static_cast<int>(rng() % 4);
        const qint64 size = 1 + static_cast<qint64>(rng() % 10000000);
        for (int c = 0; c < copies && static_cast<int>(rows.size()) < n; ++c)
        {
            ResultRow r;
            r.setName(QStringLiteral("file%1.dat").arg(rng() % 100000000));
            r.path = folders[static_cast<qsizetype>(rng() % 1000)];
            r.setVersion(QStringLiteral("N/A"));
            r.size = size;
            r.stamp = 20000101000000 + static_cast<qint64>(rng() % 20) * 10000000000 + (rng() % 28) * 1000000 +
                      (rng() % 24) * 10000 + (rng() % 60) * 100 + rng() % 60;
            r.group = group;
            r.sortGroup = group;
            rows.push_back(std::move(r));
        }
    }
    model.setRows(std::move(rows));
    model.setFolders(folders);
    model.sortByColumn(ResultRow::ColName, true);
}

Bench::Register marking("marking", [](QTextStream &out) {
    constexpr int n = 1000000;
    ResultModel model;
    fillList(model, n);
    const QString all = QStringLiteral("All files(*.*)");
    // Wall time, and the process's processor time beside it: the build machine is shared, and
    // the commands run on one thread, so the processor time is what a quiet machine would take.
    auto line = [&out](const char *what, const std::function<void()> &fn) {
        const std::clock_t cpu = std::clock();
        const double wall = Bench::seconds(fn);
        const double used = static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
        out << "  " << what << QString::number(wall, 'f', 3) << " s (processor " << QString::number(used, 'f', 3)
            << " s)" << Qt::endl;
    };
    out << "1,000,000 rows in groups of 2 to 5, listed by file name; each command sorts by group first:" << Qt::endl;
    line("Header sort by Group:                 ", [&] { model.sortByColumn(ResultRow::ColSortGrpno, true); });
    model.sortByColumn(ResultRow::ColName, true);
    line("Header sort by Path:                  ", [&] { model.sortByColumn(ResultRow::ColPath, true); });
    model.sortByColumn(ResultRow::ColName, true);
    line("Mark All Duplicates:                  ", [&] { MarkingRules::markAllDuplicates(model); });
    model.sortByColumn(ResultRow::ColName, true);
    line("Mark All Duplicates upto... (DVD):    ", [&] { MarkingRules::markAllDuplicatesUpTo(model, 4589843, false); });
    model.sortByColumn(ResultRow::ColName, true);
    line("Advance Marking, Keep Newer Files:    ", [&] {
        AdvancedMarking::markByRange(model, {KeepRule::NewerFiles, 0, all});
    });
    model.sortByColumn(ResultRow::ColName, true);
    std::vector<FolderTick> folders;
    for (const QString &f : model.folders())
        folders.push_back({f, f.endsWith(u"7/")}); // a tenth of the folders, no sub-folders
    line("Advance Marking, By Folders (1 in 10): ", [&] { AdvancedMarking::markByFolders(model, folders, true, all); });
    line("None:                                 ", [&] { MarkingRules::markNone(model); });
    out << "  (target: each under a few seconds)" << Qt::endl;
});
} // namespace
