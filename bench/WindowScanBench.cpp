// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window scanning a large tree (offscreen): how long its event loop ever waited,
// measured by a timer that asks to run every 10 ms, and the window's memory with every row
// listed. The tree is $CORVINA_BENCH_TREE, by default the corpus of a million files of the
// benchmark harness (make_corpus.py --shape mixed --seed 1 --files 1000000 --total-mb 3000).
#include "Bench.h"

#include "app/MainFrm.h"
#include "core/ErrorReport.h"
#include "core/Prompter.h"
#include "platform/Settings.h"
#include "platform/SettingsStore.h"
#include "results/ResultModel.h"
#include "search/SearchLocation.h"
#include "search/SearchLocationModel.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdlib>
#include <limits>

namespace
{
// Answers every question with its default and every failure with Abort: nobody is there.
class Nobody : public Prompter, public ErrorReporter
{
public:
    PromptAnswer message(const MessagePrompt &prompt) override { return prompt.defaultAnswer; }
    std::optional<QString> input(const QString &, const QString &, const QString &) override { return {}; }
    QString pickFolder(const QString &, const QString &, bool) override { return {}; }
    QString openFile(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFile(const QString &, const QString &, const QString &, const QString &) override { return {}; }
    ErrorChoice report(const ErrorReport &) override { return ErrorChoice::Abort; }
};

Bench::Register windowScan("windowscan", [](QTextStream &out) {
    const std::optional<SearchLocation> location = Bench::largeTree(out);
    if (!location)
        return;
    // Settings, default session and trash of a first start, in a folder of their own.
    QTemporaryDir home;
    for (const char *sub : {"config", "data", "cache"})
        QDir(home.path()).mkpath(QString::fromLatin1(sub));
    setenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/config")).constData(), 1);
    setenv("XDG_DATA_HOME", QFile::encodeName(home.path() + QStringLiteral("/data")).constData(), 1);
    setenv("XDG_CACHE_HOME", QFile::encodeName(home.path() + QStringLiteral("/cache")).constData(), 1);
    SettingsStore::setDirectory(home.path() + QStringLiteral("/config/Corvina"));
    Settings::instance().setShowTipsAtStartup(false);

    Nobody nobody;
    MainFrm window({nobody, nobody, Settings::instance(), [] {}});
    window.resize(1200, 800);
    window.show();
    QCoreApplication::processEvents();
    window.setTooManyFilesLimit(std::numeric_limits<qint32>::max());
    // Hidden files too, as corvina-cli --hidden searches them.
    window.findChild<QCheckBox *>(QStringLiteral("chkIncludeHidden"))->setChecked(true);
    window.locations().add(*location);
    const qint64 before = Bench::residentMemory().first;

    // The event loop runs the timer whenever the scan lets it: the longest wait between two
    // ticks is the longest the window stood still.
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = 0;
    qint64 longest = 0;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - lastTick);
        lastTick = now;
    });
    ticker.start();
    auto *scan = window.findChild<QAction *>(QStringLiteral("MScan"));
    const double seconds = Bench::seconds([&] {
        QTimer::singleShot(0, scan, &QAction::trigger);
        // The scan runs inside the event loop of this wait; it is over when the action is enabled again.
        QCoreApplication::processEvents();
        while (!scan->isEnabled())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    });
    QCoreApplication::processEvents();
    ticker.stop();
    const auto [after, peak] = Bench::residentMemory();
    const int rows = window.results().size();
    out << rows << " rows listed after " << QString::number(seconds, 'f', 1) << " s; the window waited at most "
        << QString::number(static_cast<double>(longest) / 1e9, 'f', 3) << " s between two 10 ms ticks" << Qt::endl;
    out << "  memory: " << before / 1048576 << " MiB before the scan, " << after / 1048576 << " MiB with the rows, "
        << peak / 1048576 << " MiB at the peak" << Qt::endl;
});
} // namespace
