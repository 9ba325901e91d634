// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window tells while it works and before it drops anything: the progress bar, the
// status of a search that left a location out, the question before marks are lost, and where
// the window comes back.
#include "MainFrmFixture.h"
#include "support/TempTree.h"

#include "app/ScanProgressBar.h"
#include "platform/Settings.h"
#include "results/ResultModel.h"
#include "search/SearchLocationModel.h"
#include "sessions/SessionCommands.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace
{
SearchLocation location(const QString &folder)
{
    return {folder,    QStringLiteral("Yes"),       QStringLiteral("All files(*.*)"), QStringLiteral("1"),
            QString(), SearchLocation::IncludedIcon};
}

class MainFrmProgressTest : public MainFrmTest
{
protected:
    // Two groups of copies, ready to be marked.
    void scanCopies()
    {
        tree.fileOfSize(QStringLiteral("a/one.bin"), 3000, 'a');
        tree.fileOfSize(QStringLiteral("b/one.bin"), 3000, 'a');
        tree.fileOfSize(QStringLiteral("a/two.bin"), 2000, 'b');
        tree.fileOfSize(QStringLiteral("b/two.bin"), 2000, 'b');
        window->locations().add(location(tree.root()));
        action("MScan")->trigger();
        ASSERT_EQ(window->results().size(), 4);
    }

    TempTree tree;
};
} // namespace

TEST(ScanProgressBar, BusyWhileFilesAreFoundThenTheShareOfTheBytes)
{
    ScanProgressBar bar;
    EXPECT_EQ(bar.maximum(), 0) << "busy before anything is counted";
    EXPECT_EQ(bar.text(), QString());

    bar.showProgress({ScanProgress::Stage::Walk, 1234, 56});
    EXPECT_EQ(bar.maximum(), 0);
    EXPECT_EQ(bar.text(), QStringLiteral("1234 files in 56 folders"));

    // One large group of three 2 GB files: the bar moves while it is read, and never back.
    constexpr qint64 Total = 3 * qint64{2000000000};
    const std::pair<qint64, int> steps[] = {
        {0, 0}, {Total / 10, 100}, {Total / 2, 500}, {Total / 3, 500}, {Total, 1000}};
    for (const auto &[done, value] : steps)
    {
        ScanProgress p;
        p.stage = ScanProgress::Stage::Compare;
        p.done = done;
        p.total = Total;
        bar.showProgress(p);
        EXPECT_EQ(bar.maximum(), 1000);
        EXPECT_EQ(bar.value(), value) << done;
    }
    EXPECT_EQ(bar.text(), QStringLiteral("5.59 GB of 5.59 GB"));

    ScanProgress byName;
    byName.stage = ScanProgress::Stage::Compare;
    byName.unit = ScanProgress::Unit::Files;
    byName.done = 1;
    byName.total = 4;
    bar.restart();
    bar.showProgress(byName);
    EXPECT_EQ(bar.value(), 250);
    EXPECT_EQ(bar.text(), QStringLiteral("1 of 4 files"));
}

TEST_F(MainFrmProgressTest, TheBarShowsWhileAScanRunsAndTheOldStatusIsGone)
{
    for (int d = 0; d < 40; ++d)
        for (int f = 0; f < 50; ++f)
            tree.fileOfSize(QStringLiteral("d%1/f%2.bin").arg(d).arg(f), 1100 + f, 'x');
    open();
    window->locations().add(location(tree.root()));
    action("MScan")->trigger();
    ASSERT_EQ(panelText(MainFrm::Panel::Activity), QStringLiteral("Search Completed."));
    EXPECT_FALSE(window->progressBar()->isVisible());

    // Looked at from inside the next scan, as soon as it lets the event loop run.
    bool barShown = false;
    QString statusSeen = QStringLiteral("(not looked at)");
    QTimer::singleShot(0, window.get(), [&] {
        barShown = window->progressBar()->isVisible();
        statusSeen = panelText(MainFrm::Panel::Activity);
    });
    action("MScan")->trigger();
    EXPECT_TRUE(barShown);
    EXPECT_NE(statusSeen, QStringLiteral("Search Completed.")) << "the last search's status is gone";
    EXPECT_FALSE(window->progressBar()->isVisible());
    EXPECT_EQ(panelText(MainFrm::Panel::Activity), QStringLiteral("Search Completed."));
}

TEST_F(MainFrmProgressTest, ALocationThatIsGoneOrProtectedIsNamed)
{
    open();
    const QString gone = tree.path(QStringLiteral("usb-stick"));
    window->locations().add(location(gone));
    window->locations().add(location(QStringLiteral("/usr/share/doc")));
    action("MScan")->trigger();
    EXPECT_EQ(panelText(MainFrm::Panel::Activity),
              u"Search Completed. \"" + gone +
                  QStringLiteral("\" was not searched: no such folder. \"/usr/share/doc\" was not "
                                 "searched: it is a system folder, left out by \"Protect System "
                                 "Folders\"."));
    EXPECT_EQ(panelText(MainFrm::Panel::Files), QStringLiteral("Files : 0"));
}

TEST_F(MainFrmProgressTest, DroppingMarkedResultsAsksFirst)
{
    open();
    scanCopies();
    const struct
    {
        const char *command;
        std::function<void()> run;
    } commands[] = {
        {"Scan", [this] { action("MScan")->trigger(); }},
        {"New Session", [this] { action("MNewSession")->trigger(); }},
        {"Close", [this] { window->close(); }},
        // Asked before the file is read: the file is not even looked at.
        {"Load Session",
         [this] {
             SessionCommands &commands = *window;
             EXPECT_FALSE(commands.openSession(QStringLiteral("/nonexistent/s.cvf"), false, false, {}));
         }},
    };
    for (const auto &c : commands)
    {
        window->results().setMarked(0, true);
        window->results().setMarked(2, true);
        prompter.expectMessage(QStringLiteral("Confirm"),
                               QStringLiteral("The result list and its marks on 2 files will be lost.\n"
                                              "Do you want to go on?"),
                               PromptAnswer::No);
        c.run();
        EXPECT_TRUE(prompter.allUsed()) << c.command;
        EXPECT_EQ(prompter.asked().back().prompt.defaultAnswer, PromptAnswer::No) << c.command;
        EXPECT_EQ(window->results().markedCount(), 2) << c.command << ": No keeps the list and its marks";
        EXPECT_TRUE(window->isVisible()) << c.command;
    }
    // Yes goes on; without marks nothing is asked.
    prompter.expectMessage(QStringLiteral("Confirm"), QString(), PromptAnswer::Yes);
    action("MNewSession")->trigger();
    EXPECT_TRUE(window->results().isEmpty());
    action("MNewSession")->trigger();
}

TEST_F(MainFrmProgressTest, TheWindowComesBackOnScreenMaximizedAndWithoutDrift)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // Saved far beyond the screen: pulled back onto it.
    settings().setMainWindowLeft((screen.right() + 5000) * 15);
    settings().setMainWindowTop((screen.bottom() + 5000) * 15);
    MainFrm &w = open();
    EXPECT_TRUE(screen.contains(QRect(w.pos(), w.size()))) << w.pos().x() << "," << w.pos().y();

    w.resize(600, 400);
    w.move(screen.topLeft() + QPoint(20, 30));
    const QRect normal(w.pos(), w.size());
    w.showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&w] { return w.isMaximized(); }));
    // Closed maximized, twice: it opens maximized, and comes back to the same normal place.
    for (int run = 0; run < 2; ++run)
    {
        MainFrm &again = restart();
        EXPECT_TRUE(QTest::qWaitFor([&again] { return again.isMaximized(); })) << run;
        EXPECT_EQ(settings().mainWindowLeft(), normal.left() * 15) << run;
        EXPECT_EQ(settings().mainWindowTop(), normal.top() * 15) << run;
        EXPECT_EQ(settings().mainWindowWidth(), normal.width() * 15) << run;
        EXPECT_TRUE(settings().mainWindowMaximized()) << run;
    }
    window->showNormal();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->isMaximized(); }));
    EXPECT_FALSE(restart().isMaximized());
}
