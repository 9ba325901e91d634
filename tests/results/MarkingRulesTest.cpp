// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/MarkingRules.h"

#include "ResultRows.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

using ResultRows::fill;
using ResultRows::marked;

namespace
{
constexpr qint64 KB = 1024;

struct Fixture : ::testing::Test
{
    ResultModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

using MarkingRulesTest = Fixture;
} // namespace

TEST_F(MarkingRulesTest, QuickMarksChangeTheRowsTheyNameAndCountEveryMark)
{
    fill(model, {{"a", "/A/", 512, 0, 1, "N/A", true},
                 {"b", "/A/B/", 512},
                 {"c", "/AB/", 512},
                 {"d", "/A/", 1000, 0, 2},
                 {"e", "/X/", 24, 0, 2}});

    struct Case
    {
        const char *what;
        std::function<std::optional<MarkTally>()> run;
        QStringList marked;
        const char *summary;
    };
    const std::vector<Case> cases = {
        {"none", [&] { return MarkingRules::markNone(model); }, {}, "Total Files Marked 0 Size 0 Bytes"},
        {"all",
         [&] { return MarkingRules::markAll(model); },
         {"a", "b", "c", "d", "e"},
         "Total Files Marked 5 Size 2.50 KB"},
        {"unmark selected",
         [&] {
             return MarkingRules::markRows(model, {1, 4, 99, -1}, false);
         },
         {"a", "c", "d"},
         "Total Files Marked 3 Size 1.98 KB"},
        {"none again", [&] { return MarkingRules::markNone(model); }, {}, "Total Files Marked 0 Size 0 Bytes"},
        {"mark selected",
         [&] {
             return MarkingRules::markRows(model, {2, 4}, true);
         },
         {"c", "e"},
         "Total Files Marked 2 Size 536 Bytes"},
        {"folder of a",
         [&] { return MarkingRules::markFolder(model, 0); },
         {"a", "c", "d", "e"},
         "Total Files Marked 4 Size 2.00 KB"},
        {"toggle e",
         [&] { return MarkingRules::toggle(model, 4); },
         {"a", "c", "d"},
         "Total Files Marked 3 Size 1.98 KB"},
        {"toggle b",
         [&] { return MarkingRules::toggle(model, 1); },
         {"a", "b", "c", "d"},
         "Total Files Marked 4 Size 2.48 KB"},
    };
    for (const Case &c : cases)
    {
        const auto tally = c.run();
        ASSERT_TRUE(tally.has_value()) << c.what;
        EXPECT_EQ(marked(model), c.marked) << c.what;
        EXPECT_EQ(tally.value_or(MarkTally{}).summary(), QString::fromLatin1(c.summary)) << c.what;
    }
}

TEST_F(MarkingRulesTest, FolderAndSubFoldersTakesTheFolderTreeButNotANeighbourWithTheSamePrefix)
{
    fill(model, {{"a", "/A/", 1}, {"b", "/A/B/", 1}, {"c", "/AB/", 1}, {"d", "/a/", 1}});
    MarkingRules::markFolder(model, 0);
    EXPECT_EQ(marked(model), (QStringList{"a"}));
    MarkingRules::markNone(model);
    const auto tally = MarkingRules::markFolderAndSubFolders(model, 0);
    ASSERT_TRUE(tally);
    EXPECT_EQ(marked(model), (QStringList{"a", "b"}));
    EXPECT_EQ(tally.value_or(MarkTally{}).count, 2);
}

TEST_F(MarkingRulesTest, FolderCommandsDoNothingWithoutAFocusedRow)
{
    EXPECT_FALSE(MarkingRules::markFolder(model, 0));
    EXPECT_FALSE(MarkingRules::markFolderAndSubFolders(model, 0));
    EXPECT_FALSE(MarkingRules::toggle(model, 0));
    fill(model, {{"a", "/A/", 1}});
    EXPECT_FALSE(MarkingRules::markFolder(model, -1));
    EXPECT_FALSE(MarkingRules::markFolderAndSubFolders(model, 1));
    EXPECT_TRUE(marked(model).isEmpty());
}

TEST_F(MarkingRulesTest, MarkAllDuplicatesKeepsTheNewestFileOfEachGroupAndSortsByGroup)
{
    // Listed by name, not by group: the command sorts by group first.
    fill(model, {{"a10", "/d/", 100, 20040501100000, 2, "N/A", false},
                 {"b12", "/d/", 200, 20040501120000, 2},
                 {"c11", "/d/", 300, 20040501110000, 2},
                 {"x", "/d/", 7, 20040501110000, 1, "N/A", false},
                 {"y", "/d/", 7, 20040101110000, 1, "N/A", true}});
    const MarkOutcome outcome = MarkingRules::markAllDuplicates(model);
    EXPECT_EQ(ResultRows::names(model), (QStringList{"x", "y", "a10", "b12", "c11"}));
    EXPECT_EQ(marked(model), (QStringList{"y", "a10", "c11"}));
    EXPECT_EQ(outcome.tally.count, 3);
    EXPECT_EQ(outcome.tally.total, 407);
    EXPECT_EQ(outcome.tally.summary(), QStringLiteral("Total Files Marked 3 Size 407 Bytes"));
    EXPECT_EQ(outcome.sorted, (ListSort{ResultRow::ColGroup, true}));
}

TEST_F(MarkingRulesTest, MarkAllDuplicatesSettlesEqualTimesByThePositionReadAsText)
{
    std::vector<ResultRows::Entry> entries;
    for (int g = 1; g <= 4; ++g)
    {
        entries.push_back({"old", "/d/", 1, 20000101000000, g});
        entries.push_back({"new", "/d/", 1, 20000101000001, g});
    }
    entries.push_back({"row9", "/d/", 1, 20040501120000, 5});
    entries.push_back({"row10", "/d/", 1, 20040501120000, 5});
    for (int i = 1; i <= 10; ++i)
        entries.push_back({"same", "/e/", 1, 20040501120000, 6});
    fill(model, entries);
    MarkingRules::markAllDuplicates(model);
    EXPECT_FALSE(model.isMarked(8)) << "row 9 stays";
    EXPECT_TRUE(model.isMarked(9)) << "row 10 is marked";
    // A group in rows 11 to 20: among equal times the row whose number reads greatest as text
    // stays, row 20 ("20" after "19").
    for (int r = 10; r < 20; ++r)
        EXPECT_EQ(model.isMarked(r), r != 19) << "row " << r + 1;

    // A group in rows 1 to 10: row 9 ("9" after "10" and "1").
    entries.clear();
    for (int i = 1; i <= 10; ++i)
        entries.push_back({"same", "/e/", 1, 20040501120000, 1});
    fill(model, entries);
    MarkingRules::markAllDuplicates(model);
    for (int r = 0; r < 10; ++r)
        EXPECT_EQ(model.isMarked(r), r != 8) << "row " << r + 1;
}

TEST(MarkingKeys, DuplicateKeysAreTheFormattedStampAQuestionMarkAndThePosition)
{
    ResultRow row = ResultRows::row({"a", "/d/", 1, 20040307210503});
    EXPECT_EQ(MarkingRules::duplicateKey(row, 9), QStringLiteral("20040307210503?9"));
    row.stamp = 0;
    EXPECT_EQ(MarkingRules::duplicateKey(row, 10), QStringLiteral("?10"));
    row.stamp = 9991231235959; // year 999: thirteen digits
    EXPECT_EQ(MarkingRules::duplicateKey(row, 1), QStringLiteral("9991231235959?1"));

    const std::vector<std::pair<QString, QString>> formats = {
        {"20040307210503", "20040307210503"},
        {"42", "000000000042"},
        {"2.5", "000000000003"},
        {"-7", "-000000000007"},
        {"", ""},
        {"junk", "junk"},
    };
    for (const auto &[text, formatted] : formats)
        EXPECT_EQ(MarkingRules::formatTwelveDigits(text), formatted) << text.toStdString();
}

TEST_F(MarkingRulesTest, UpToALimitKeepsEachFirstRowAndStopsAtTheFirstFileBeyondIt)
{
    fill(model, {{"g1-first", "/d/", 10 * KB, 0, 1},
                 {"g1-60", "/d/", 60 * KB, 0, 1},
                 {"g2-first", "/d/", 10 * KB, 0, 2, "N/A", true},
                 {"g2-50", "/d/", 50 * KB, 0, 2},
                 {"g3-first", "/d/", 1, 0, 3},
                 {"g3-1", "/d/", 1, 0, 3}});
    const MarkOutcome outcome = MarkingRules::markAllDuplicatesUpTo(model, 100, false);
    EXPECT_EQ(marked(model), (QStringList{"g1-60"})) << "earlier marks are cleared; nothing after the stop";
    EXPECT_EQ(outcome.tally.summary(), QStringLiteral("Total Files Marked 1 Size 60.00 KB"));
    EXPECT_EQ(outcome.sorted, (ListSort{ResultRow::ColGroup, true}));
    EXPECT_TRUE(model.isBanded());
    EXPECT_EQ(model.rowBands(), (std::vector<qint32>{1, 1, 2, 2, 3, 3}));

    // Exactly at the limit is still within it.
    MarkingRules::markAllDuplicatesUpTo(model, 110, false);
    EXPECT_EQ(marked(model), (QStringList{"g1-60", "g2-50"}));
    // No limit chosen yet reads 0: only empty files could be marked.
    MarkingRules::markAllDuplicatesUpTo(model, 0, false);
    EXPECT_TRUE(marked(model).isEmpty());
}

TEST_F(MarkingRulesTest, UpToALimitWithLargeFilesFirstFillsWithTheLargestCopies)
{
    fill(model, {{"g1-first", "/d/", 1, 0, 1},
                 {"g1-30", "/d/", 30 * KB, 0, 1},
                 {"g2-first", "/d/", 1, 0, 2},
                 {"g2-50", "/d/", 50 * KB, 0, 2},
                 {"g2-20", "/d/", 20 * KB, 0, 2}});
    MarkingRules::markAllDuplicatesUpTo(model, 60, false);
    EXPECT_EQ(marked(model), (QStringList{"g1-30"}));
    const MarkOutcome outcome = MarkingRules::markAllDuplicatesUpTo(model, 60, true);
    EXPECT_EQ(marked(model), (QStringList{"g2-50"}));
    EXPECT_EQ(outcome.tally.count, 1);
    MarkingRules::markAllDuplicatesUpTo(model, 100, true);
    EXPECT_EQ(marked(model), (QStringList{"g1-30", "g2-50", "g2-20"}));
}

TEST(MarkingZone, TheToggleZoneEndsAt300Twips)
{
    EXPECT_TRUE(MarkingRules::inToggleZone(0));
    EXPECT_TRUE(MarkingRules::inToggleZone(300));
    EXPECT_FALSE(MarkingRules::inToggleZone(301));
}

// A list of similar pictures keeps each group's largest picture, the one the search put first,
// wherever a sort moved it and however much newer the others are; its dimensions sort by pixels.
TEST_F(MarkingRulesTest, APictureListKeepsEachGroupsLargestPicture)
{
    fill(model, {{"big", "/p/", 900 * KB, 20200101000000, 1, "4032 x 3024 JPEG"},
                 {"small", "/p/", 90 * KB, 20240101000000, 1, "800 x 600 JPEG"},
                 {"png", "/p/", 2000 * KB, 20230101000000, 2, "1024 x 768 PNG"},
                 {"jpeg", "/p/", 300 * KB, 20240101000000, 2, "1024 x 768 JPEG"},
                 {"tiny", "/p/", 10 * KB, 20250101000000, 2, "640 x 480 WEBP"}});
    RowAnchors anchors;
    anchors.origin.kind = ListKind::SimilarPictures;
    model.setAnchors(anchors);
    EXPECT_EQ(model.headerData(ResultRow::ColVersion, Qt::Horizontal).toString(), QStringLiteral("Dimensions"));

    model.sortByColumn(ResultRow::ColVersion, true);
    EXPECT_EQ(ResultRows::names(model), QStringList({"tiny", "small", "png", "jpeg", "big"}));

    const QStringList copies{"small", "tiny", "jpeg"};
    MarkingRules::markAllDuplicates(model);
    EXPECT_EQ(marked(model), copies);
    model.sortByColumn(ResultRow::ColModified, false);
    MarkingRules::markAllDuplicatesUpTo(model, 1e9, false);
    EXPECT_EQ(marked(model), copies);
}
