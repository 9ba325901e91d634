// SPDX-License-Identifier: GPL-3.0-or-later
// Marking from the main window: the menu entries, the toggles on the list and the summary.
#include "MainFrmFixture.h"
#include "support/TempTree.h"

#include "core/CHive.h"
#include "core/TextFormat.h"
#include "results/ResultModel.h"
#include "results/ResultView.h"
#include "search/SearchLocationModel.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

#include <functional>

namespace
{
class MainFrmMarkingTest : public MainFrmTest
{
protected:
    // Two groups of two files and one of three; the newest file of each group is the last one.
    void listGroups()
    {
        CHive hive;
        const std::tuple<int, const char *, int, const char *> files[] = {
            {512, "a1", 1, "3/7/2004 9:05:03 AM"},  {512, "a2", 1, "3/7/2004 9:05:04 AM"},
            {100, "b1", 2, "3/7/2004 9:05:03 AM"},  {100, "b2", 2, "3/7/2004 9:05:05 AM"},
            {2048, "c1", 1, "3/7/2004 9:05:03 AM"}, {2048, "c2", 1, "3/7/2004 9:05:04 AM"},
            {2048, "c3", 1, "3/7/2004 9:05:09 AM"},
        };
        for (const auto &[size, name, shade, date] : files)
        {
            tree.fileOfSize(QString::fromLatin1(name), size);
            hive.add(TextFormat::pad12(size), QString::fromLatin1(name), tree.folder(), QStringLiteral("N/A"), shade,
                     QString::fromLatin1(date));
        }
        window->results().loadResultList(hive);
    }

    void clickRow(int row, int x)
    {
        auto *view = child<ResultView>("RLV");
        const QRect cell = view->visualRect(window->results().index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(x, cell.center().y()));
    }

    TempTree tree;
};
} // namespace

TEST_F(MainFrmMarkingTest, MarkAllDuplicatesKeepsTheNewestOfEachGroup)
{
    open();
    listGroups();
    action("MMarkAllDuplicates")->trigger();
    std::vector<QString> unmarked;
    for (const ResultRow &r : window->results().rows())
    {
        if (!r.marked)
            unmarked.push_back(r.name());
    }
    EXPECT_EQ(unmarked, (std::vector<QString>{QStringLiteral("a2"), QStringLiteral("b2"), QStringLiteral("c3")}));
    EXPECT_EQ(panelText(MainFrm::Panel::Activity), QStringLiteral("Total Files Marked 4 Size 4.60 KB"));
    EXPECT_EQ(child<ResultView>("RLV")->sortMarkColumn(), 4) << "sorted by group";

    action("MNone")->trigger();
    EXPECT_EQ(panelText(MainFrm::Panel::Activity), QStringLiteral("Total Files Marked 0 Size 0 Bytes"));
}

TEST_F(MainFrmMarkingTest, TheFilterShowsMatchingRowsAndMarksOnlyThose)
{
    open();
    std::vector<ResultRow> rows;
    for (const auto &[name, folder, group] : {std::tuple{"Beach.jpg", "/data/Photos/", 1},
                                              {"beach copy.jpg", "/data/Photos/old/", 1},
                                              {"song.mp3", "/data/Music/", 2},
                                              {"song (1).mp3", "/data/Music/", 2}})
    {
        ResultRow r;
        r.setName(QString::fromLatin1(name));
        r.path = QString::fromLatin1(folder);
        r.size = 1024;
        r.stamp = 20040307090503;
        r.group = r.sortGroup = group;
        rows.push_back(r);
    }
    window->results().setRows(rows);
    auto *filter = child<QLineEdit>("txtFilter");
    auto *view = child<ResultView>("RLV");
    auto names = [this](const std::function<bool(int)> &which) {
        QStringList found;
        for (int r = 0; r < window->results().size(); ++r)
        {
            if (which(r))
                found << window->results().row(r).name();
        }
        return found;
    };
    auto shown = [&] { return names([&](int r) { return !view->isRowHidden(r); }); };
    auto marked = [&] { return names([this](int r) { return window->results().row(r).marked; }); };

    QTest::keyClicks(filter, QStringLiteral("BEACH"));
    EXPECT_EQ(shown(), QStringList({"Beach.jpg", "beach copy.jpg"})) << "a name holds the text, whatever its case";
    action("mnuMarkShown")->trigger();
    EXPECT_EQ(marked(), QStringList({"Beach.jpg", "beach copy.jpg"}));
    EXPECT_EQ(panelText(MainFrm::Panel::Activity), QStringLiteral("Total Files Marked 2 Size 2.00 KB"));

    // A folder holds it too; a sort keeps the filter, and the rows it hides keep their marks.
    filter->setText(QStringLiteral("music"));
    action("MMarkAllDuplicates")->trigger();
    EXPECT_EQ(shown(), QStringList({"song.mp3", "song (1).mp3"}));
    const QStringList photos = names(
        [this](int r) { return window->results().row(r).marked && window->results().row(r).path.contains(u"Photos"); });
    action("mnuUnmarkShown")->trigger();
    EXPECT_EQ(marked(), photos);

    filter->clear();
    EXPECT_EQ(shown().size(), 4);
}

TEST_F(MainFrmMarkingTest, KeepingAFolderMakesItsFilesOriginalsUntilItStops)
{
    open();
    std::vector<ResultRow> rows;
    for (const auto &[name, folder] : {std::pair{"a.jpg", "/data/Photos/"},
                                       {"a.jpg", "/data/Backup/"},
                                       {"b.jpg", "/data/Photos/2023/"},
                                       {"b.jpg", "/data/Backup/"}})
    {
        ResultRow r;
        r.setName(QString::fromLatin1(name));
        r.path = QString::fromLatin1(folder);
        r.size = 1024;
        r.stamp = 20040307090503;
        r.group = r.sortGroup = r.name() == u"a.jpg" ? 1 : 2;
        rows.push_back(r);
    }
    window->results().setRows(rows);
    auto *view = child<ResultView>("RLV");
    auto referenceRows = [this] {
        QStringList found;
        for (const ResultRow &r : window->results().rows())
        {
            if (r.reference)
                found << r.path + r.name();
        }
        return found;
    };

    action("MMarkAll")->trigger();
    view->setCurrentIndex(window->results().index(0, 0));
    action("mnuKeepFolder")->trigger();
    // The folder and its sub folders: their files can no longer be marked, and lose their marks.
    EXPECT_EQ(referenceRows(), QStringList({"/data/Photos/a.jpg", "/data/Photos/2023/b.jpg"}));
    for (const ResultRow &r : window->results().rows())
        EXPECT_EQ(r.marked, !r.reference) << r.path.toStdString();
    ASSERT_EQ(window->locations().size(), 1);
    EXPECT_EQ(window->locations().locations().at(0).folder, QStringLiteral("/data/Photos"));
    EXPECT_TRUE(window->locations().locations().at(0).reference());
    action("MMarkAll")->trigger();
    EXPECT_FALSE(window->results().row(0).marked);

    // From a row of a sub folder, the whole kept folder stops being kept.
    view->setCurrentIndex(window->results().index(2, 0));
    action("mnuStopKeepingFolder")->trigger();
    EXPECT_TRUE(referenceRows().isEmpty());
    EXPECT_EQ(window->locations().size(), 0);
}

TEST_F(MainFrmMarkingTest, AClickNearTheLeftEdgeFlipsTheMarkAndSpaceMarksTheSelection)
{
    open();
    listGroups();
    clickRow(1, 6);
    EXPECT_TRUE(window->results().isMarked(1));
    EXPECT_EQ(panelText(MainFrm::Panel::Activity), QStringLiteral("Total Files Marked 1 Size 512 Bytes"));
    clickRow(2, 200);
    EXPECT_FALSE(window->results().isMarked(2)) << "further right a click only selects";
    QTest::keyClick(child<ResultView>("RLV"), Qt::Key_Space);
    EXPECT_TRUE(window->results().isMarked(2));
    QTest::keyClick(child<ResultView>("RLV"), Qt::Key_Space);
    EXPECT_FALSE(window->results().isMarked(2));
    EXPECT_TRUE(window->results().isMarked(1));
}
