// SPDX-License-Identifier: GPL-3.0-or-later
// A whole scan as the window runs it, timed by how long the window would stand still: the window
// answers only when the scan offers to yield (ScanSink::keepGoing), so the longest stretch between
// two offers - and before the first, and after the last until the scan returns - is the longest
// stall. The tree is $CORVINA_BENCH_TREE, by default the corpus of a million files of the
// benchmark harness (make_corpus.py --shape mixed --seed 1 --files 1000000 --total-mb 3000).
#include "Bench.h"

#include "engine/ScanPipeline.h"
#include "results/ResultModel.h"
#include "search/SearchLocation.h"

#include <QElapsedTimer>

#include <map>

namespace
{
class StallSink : public ScanSink
{
public:
    StallSink() { m_clock.start(); }

    bool keepGoing() override
    {
        note();
        return true;
    }
    // The texts say which phase runs: "Scanning...", "Starting search engine...", "Searching for
    // duplicates...", "Loading Searched Result...".
    void status(const QString &text) override
    {
        const qsizetype cut = text.indexOf(u'.');
        const QString phase = cut < 0 ? text : text.left(cut);
        if (phase == m_phase)
            return;
        const qint64 now = m_clock.nsecsElapsed();
        took[m_phase] += static_cast<double>(now - m_phaseStart) / 1e9;
        m_phaseStart = now;
        m_phase = phase;
    }
    ErrorReporter &errors() override { return m_errors; }

    /// The stretch from the last offer to now, counted too.
    void end()
    {
        note();
        status(QStringLiteral("(end)"));
    }

    std::map<QString, double> longest; // per phase, seconds
    std::map<QString, double> took;    // per phase, seconds
    QString worstPhase;
    double worst = 0;
    qint64 offers = 0;

private:
    void note()
    {
        const qint64 now = m_clock.nsecsElapsed();
        const double gap = static_cast<double>(now - m_last) / 1e9;
        m_last = now;
        ++offers;
        double &phaseLongest = longest[m_phase];
        phaseLongest = std::max(phaseLongest, gap);
        if (gap > worst)
        {
            worst = gap;
            worstPhase = m_phase;
        }
    }

    class Abort : public ErrorReporter
    {
    public:
        ErrorChoice report(const ErrorReport &) override { return ErrorChoice::Abort; }
    } m_errors;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_phaseStart = 0;
    QString m_phase = QStringLiteral("(start)");
};

Bench::Register scanStall("scanstall", [](QTextStream &out) {
    const std::optional<SearchLocation> location = Bench::largeTree(out);
    if (!location)
        return;
    SearchLocationList locations;
    locations.add(*location);
    ScanOptions options;
    options.includeHidden = true;
    options.protect = false;

    ResultModel model;
    StallSink sink;
    ScanPipeline pipeline(sink, model);
    QElapsedTimer whole;
    whole.start();
    const ScanSummary summary = pipeline.run(locations, options);
    sink.end();
    const double scan = static_cast<double>(whole.nsecsElapsed()) / 1e9;
    const int rows = model.size();
    // The next scan starts by emptying the list: the window waits for that too.
    const double clear = Bench::seconds([&] { model.clear(); });

    out << summary.files << ", " << rows << " rows: scan " << QString::number(scan, 'f', 2) << " s, " << sink.offers
        << " offers to yield" << Qt::endl;
    out << "  longest stall " << QString::number(sink.worst, 'f', 3) << " s, in \"" << sink.worstPhase << "\""
        << Qt::endl;
    out << "    phase                                    longest stall   whole phase" << Qt::endl;
    for (const auto &[phase, seconds] : sink.longest)
        out << "    " << phase.leftJustified(40) << QString::number(seconds, 'f', 3).rightJustified(9) << " s   "
            << QString::number(sink.took[phase], 'f', 3).rightJustified(7) << " s" << Qt::endl;
    out << "  emptying the list for the next scan " << QString::number(clear, 'f', 3) << " s" << Qt::endl;
});
} // namespace
