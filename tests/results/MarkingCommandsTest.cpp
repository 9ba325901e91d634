// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/MarkingCommands.h"

#include "ResultRows.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using ResultRows::fill;
using ResultRows::marked;

namespace
{
// A list as the window would show it: a selection, a focused row and a status bar.
struct ListState
{
    std::vector<int> selection;
    int focused = -1;
    QStringList statuses;
    std::optional<SizeLimits::UpTo> limit = SizeLimits::UpTo{};
    int limitAsked = 0;

    MarkingCommands::Hooks hooks()
    {
        return {[this] { return selection; },
                [this] { return focused; },
                [this] {
                    ++limitAsked;
                    return limit;
                },
                [this](const QString &text) { statuses << text; },
                {}};
    }
};

struct MarkingCommandsTest : ::testing::Test
{
    ResultModel model;
    ListState list;
    MarkingCommands commands{model, list.hooks()};

    void SetUp() override
    {
        fill(model, {{"a", "/A/", 100, 20040501100000, 1},
                     {"b", "/A/B/", 200, 20040501120000, 1},
                     {"c", "/C/", 300, 20040501110000, 2},
                     {"d", "/C/", 400, 20040501090000, 2}});
    }
};
} // namespace

TEST_F(MarkingCommandsTest, EveryMenuCommandWritesTheSummary)
{
    list.focused = 0;
    list.selection = {2, 3};
    const std::vector<std::pair<void (MarkingCommands::*)(), QString>> steps = {
        {&MarkingCommands::markAll, "Total Files Marked 4 Size 1000 Bytes"},
        {&MarkingCommands::unmarkSelected, "Total Files Marked 2 Size 300 Bytes"},
        {&MarkingCommands::unmarkAll, "Total Files Marked 0 Size 0 Bytes"},
        {&MarkingCommands::markSelected, "Total Files Marked 2 Size 700 Bytes"},
        {&MarkingCommands::markFolder, "Total Files Marked 3 Size 800 Bytes"},
        {&MarkingCommands::markFolderAndSubFolders, "Total Files Marked 4 Size 1000 Bytes"},
        {&MarkingCommands::clearAllMarks, "Total Files Marked 0 Size 0 Bytes"},
        {&MarkingCommands::markAllDuplicates, "Total Files Marked 2 Size 500 Bytes"},
    };
    for (const auto &[command, summary] : steps)
    {
        (commands.*command)();
        ASSERT_FALSE(list.statuses.isEmpty());
        EXPECT_EQ(list.statuses.takeLast(), summary);
    }
    EXPECT_EQ(marked(model), (QStringList{"a", "d"}));
}

TEST_F(MarkingCommandsTest, SortingCommandsReportTheColumnAndDirection)
{
    QSignalSpy sorted(&commands, &MarkingCommands::listSorted);
    model.sortByColumn(ResultRow::ColName, false);
    commands.unmarkAll();
    EXPECT_EQ(sorted.count(), 0);
    commands.markAllDuplicates();
    ASSERT_EQ(sorted.count(), 1);
    EXPECT_EQ(sorted.takeFirst(), (QVariantList{ResultRow::ColGroup, QVariant::fromValue(Qt::AscendingOrder)}));

    std::vector<FolderTick> folders{{"/A/", true}, {"/A/B/", false}, {"/C/", false}};
    commands.markByFolders(folders, true, QStringLiteral("All files(*.*)"));
    EXPECT_EQ(sorted.count(), 0) << "marking by folder keeps the list as it stands";
    EXPECT_TRUE(folders[1].ticked);
}

TEST_F(MarkingCommandsTest, UpToAsksForTheLimitAndUsesItsAnswer)
{
    list.limit = {0.2, false};
    commands.markDuplicatesUpTo();
    EXPECT_EQ(list.limitAsked, 1);
    EXPECT_EQ(marked(model), (QStringList{"b"}));
    EXPECT_EQ(list.statuses.last(), QStringLiteral("Total Files Marked 1 Size 200 Bytes"));
    list.limit = {0.4, true};
    commands.markDuplicatesUpTo();
    EXPECT_EQ(marked(model), (QStringList{"d"}));

    // A cancelled dialog leaves the marks and the summary as they were.
    list.limit.reset();
    const qsizetype summaries = list.statuses.size();
    commands.markDuplicatesUpTo();
    EXPECT_EQ(list.limitAsked, 3);
    EXPECT_EQ(marked(model), (QStringList{"d"}));
    EXPECT_EQ(list.statuses.size(), summaries);
}

TEST_F(MarkingCommandsTest, AClickFlipsTheFocusedRowOnlyNearTheLeftEdge)
{
    list.focused = 1;
    commands.rememberPointer(300);
    commands.toggleMarkAtPointer();
    EXPECT_EQ(marked(model), (QStringList{"b"}));
    EXPECT_EQ(list.statuses.last(), QStringLiteral("Total Files Marked 1 Size 200 Bytes"));
    commands.toggleMarkAtPointer();
    EXPECT_TRUE(marked(model).isEmpty());
    commands.rememberPointer(301);
    commands.toggleMarkAtPointer();
    EXPECT_TRUE(marked(model).isEmpty());
    EXPECT_EQ(list.statuses.size(), 2);
}

TEST_F(MarkingCommandsTest, ADoubleClickMarksTheSelectionByTheFocusedRowOrOpensTheFile)
{
    QSignalSpy open(&commands, &MarkingCommands::openFileRequested);
    list.selection = {0, 2};
    list.focused = 2;
    commands.rememberPointer(15);
    commands.markOrOpenAtPointer();
    EXPECT_EQ(marked(model), (QStringList{"a", "c"}));
    commands.markOrOpenAtPointer();
    EXPECT_TRUE(marked(model).isEmpty());

    commands.rememberPointer(2000);
    commands.markOrOpenAtPointer();
    EXPECT_TRUE(marked(model).isEmpty());
    ASSERT_EQ(open.count(), 1);
    EXPECT_EQ(open.takeFirst().at(0).toInt(), 2);
}

TEST_F(MarkingCommandsTest, TheSpaceBarMarksTheSelectionByTheFocusedRow)
{
    list.selection = {1, 3};
    list.focused = 3;
    EXPECT_TRUE(commands.markSelectionBySpace());
    EXPECT_EQ(marked(model), (QStringList{"b", "d"}));
    EXPECT_TRUE(commands.markSelectionBySpace());
    EXPECT_TRUE(marked(model).isEmpty());
    list.focused = -1;
    EXPECT_FALSE(commands.markSelectionBySpace());
}

TEST(MarkingCommandsEmpty, NothingHappensOnAnEmptyList)
{
    ResultModel model;
    ListState list;
    list.focused = 0;
    MarkingCommands commands(model, list.hooks());
    QSignalSpy open(&commands, &MarkingCommands::openFileRequested);
    commands.markFolder();
    commands.markFolderAndSubFolders();
    commands.toggleMarkAtPointer();
    commands.markOrOpenAtPointer();
    commands.rememberPointer(5000);
    commands.markOrOpenAtPointer();
    EXPECT_FALSE(commands.markSelectionBySpace());
    EXPECT_TRUE(list.statuses.isEmpty());
    EXPECT_EQ(open.count(), 0);
}
