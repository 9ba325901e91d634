// SPDX-License-Identifier: GPL-3.0-or-later
// The walk over a real tree, then the sort of its records: the first half of every scan.
// The tree is $CORVINA_BENCH_TREE, by default the "mixed" corpus of the benchmark harness.
#include "Bench.h"

#include "engine/GetFilesLib.h"
#include "engine/RecordSort.h"

#include <QDir>

#include <ctime>

namespace
{
class QuietSink : public ScanSink
{
public:
    bool keepGoing() override { return true; }
    ErrorReporter &errors() override { return m_errors; }

private:
    class Abort : public ErrorReporter
    {
    public:
        ErrorChoice report(const ErrorReport &) override { return ErrorChoice::Abort; }
    } m_errors;
};

Bench::Register walk("walk", [](QTextStream &out) {
    const QString tree = qEnvironmentVariable("CORVINA_BENCH_TREE", QStringLiteral("/tmp/corvina-bench/mixed/tree"));
    if (!QDir(tree).exists())
    {
        out << "skipped: no tree at " << tree << " (make one with make_corpus.py)" << Qt::endl;
        return;
    }
    for (int run = 1; run <= 3; ++run)
    {
        QuietSink sink;
        ScanOptions options;
        options.includeHidden = true;
        options.protect = false;
        ScanContext ctx(sink, options);
        GetFilesLib lib(ctx, ctx.files);
        ScanTotals totals;
        const std::clock_t cpuStart = std::clock();
        const double walkTime = Bench::seconds([&] {
            QString folder = tree;
            totals = lib.enumerateLocation(folder, QStringLiteral("Yes"), QStringLiteral("All files(*.*)"),
                                           QStringLiteral("0"), QString());
        });
        const double walkCpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        const auto cpuSeconds = [](const std::function<void()> &fn) {
            const std::clock_t start = std::clock();
            fn();
            return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        };
        const double sortTime = cpuSeconds([&] { RecordSort::sorted(ctx.files, RecordOrder::SizeFirst); });
        const double nameSortTime = cpuSeconds([&] { RecordSort::sorted(ctx.files, RecordOrder::NameFirst); });
        out << "run " << run << ": " << totals.fileCount << " files, " << totals.folderCount << " folders: walk "
            << QString::number(walkTime, 'f', 3) << " s (cpu " << QString::number(walkCpu, 'f', 3)
            << " s), cpu sort by size " << QString::number(sortTime, 'f', 3) << " s, by name "
            << QString::number(nameSortTime, 'f', 3) << " s" << Qt::endl;
    }
});
} // namespace
