// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/WarningFrm.h"

#include "results/ResultModel.h"
#include "support/ScriptedPrompter.h"

#include <QAbstractItemModelTester>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace
{
const QString kConfirm = QStringLiteral("You have not made any changes, are you sure you want to continue?\r\n\r\n"
                                        "It is highly recommended to keep at least one original file");

struct WarningFrmTest : ::testing::Test
{
    ResultModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
    ScriptedPrompter prompter;
    WarningFrm dialog{model, prompter};
    QTreeWidget *list = nullptr;

    void SetUp() override
    {
        std::vector<ResultRow> rows;
        for (int i = 0; i < 4; ++i)
        {
            ResultRow r;
            r.setName(QStringLiteral("f%1.txt").arg(i));
            r.path = QStringLiteral("/d/");
            r.size = 100 + i;
            r.stamp = 20040307210503;
            r.setVersion(QStringLiteral("N/A"));
            r.group = r.sortGroup = i < 2 ? 1 : 2;
            r.marked = i >= 2;
            rows.push_back(r);
        }
        model.setRows(rows);
        dialog.setGroupRows({2, 3});
        dialog.show();
        list = dialog.findChild<QTreeWidget *>(QStringLiteral("WList"));
        ASSERT_NE(list, nullptr);
    }

    void press(const char *name) { dialog.findChild<QPushButton *>(QString::fromLatin1(name))->click(); }
};
} // namespace

TEST_F(WarningFrmTest, ListsTheGroupTickedWithItsColumnsAndRowPositions)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Warning!"));
    ASSERT_EQ(list->topLevelItemCount(), 2);
    QStringList headers;
    for (int c = 0; c < list->columnCount(); ++c)
        headers << list->headerItem()->text(c);
    EXPECT_EQ(headers,
              (QStringList{"File Name", "Size(Bytes)", "Last Modified.", "File Version", "Group", "Path", "Row"}));
    QStringList first;
    for (int c = 0; c < list->columnCount(); ++c)
        first << list->topLevelItem(0)->text(c);
    EXPECT_EQ(first, (QStringList{"f2.txt", "102", "3/7/2004 9:05:03 PM", "N/A", "2", "/d/", "3"}));
    EXPECT_EQ(list->topLevelItem(1)->checkState(0), Qt::Checked);
    EXPECT_TRUE(model.isMarked(2)) << "listing changes no mark";
}

TEST_F(WarningFrmTest, UntickingUnmarksAtOnceAndContinueThenAsksNothing)
{
    list->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    EXPECT_FALSE(model.isMarked(3));
    EXPECT_TRUE(model.isMarked(2));
    list->topLevelItem(1)->setCheckState(0, Qt::Checked);
    EXPECT_TRUE(model.isMarked(3));
    list->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    press("Command3");
    EXPECT_EQ(dialog.choice, KeepOneChoice::Continue);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(model.isMarked(2));
}

TEST_F(WarningFrmTest, ContinueWithoutChangesIsConfirmedFirst)
{
    prompter.expectMessage(QStringLiteral("Confirm"), kConfirm, PromptAnswer::No);
    press("Command3");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.choice, KeepOneChoice::Closed);
    prompter.expectMessage(QStringLiteral("Confirm"), kConfirm, PromptAnswer::Yes);
    press("Command3");
    EXPECT_EQ(dialog.choice, KeepOneChoice::Continue);
    EXPECT_TRUE(model.isMarked(2) && model.isMarked(3));
    ASSERT_EQ(prompter.asked().size(), 2u);
    EXPECT_EQ(prompter.asked()[0].prompt.buttons, PromptButtons::YesNo);
    EXPECT_EQ(prompter.asked()[0].prompt.defaultAnswer, PromptAnswer::No);
    EXPECT_EQ(prompter.asked()[0].prompt.icon, PromptIcon::Exclamation);
}

TEST_F(WarningFrmTest, KeepAndIgnoreAnswerAndKeepTheMarksChangedInTheList)
{
    list->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    press("Command1");
    EXPECT_EQ(dialog.choice, KeepOneChoice::KeepOneOfEach);
    EXPECT_FALSE(model.isMarked(2));

    WarningFrm ignore(model, prompter);
    ignore.setGroupRows({0, 1});
    ignore.findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    EXPECT_EQ(ignore.choice, KeepOneChoice::IgnoreWarnings);

    WarningFrm closed(model, prompter);
    closed.show();
    closed.close();
    EXPECT_EQ(closed.choice, KeepOneChoice::Closed);
}
