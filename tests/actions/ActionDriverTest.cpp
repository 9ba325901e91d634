// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/ActionDriver.h"
#include "actions/CopyMarkedRows.h"
#include "actions/DeleteMarkedRows.h"
#include "actions/MoveMarkedRows.h"
#include "actions/RemovalGuard.h"
#include "support/ScriptedPrompter.h"
#include "support/TempTree.h"

#include "ActionTestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

#include <deque>

namespace
{
// Runs the dialogs' logic directly, as the dialogs would with their default options.
class DirectDialogs : public ActionDialogs
{
public:
    DirectDialogs(ResultModel &model, Prompter &prompter, ErrorReporter &reporter, QString trash)
        : m_model(model), m_prompter(prompter), m_reporter(reporter), m_trash(std::move(trash))
    {}

    bool notRun = false;
    std::vector<ActionRun> runs;
    std::vector<ActionError> errors;

    bool runDeletion(const ActionRun &run) override
    {
        runs.push_back(run);
        if (notRun)
            return true;
        const RemovalGuard guard(m_model, run.acknowledgedGroups);
        DeleteOptions options;
        options.trashFolder = m_trash;
        RecordingProgress progress;
        DeleteMarkedRows(m_model, guard, m_prompter, m_reporter).run(options, progress);
        errors = progress.errors;
        return false;
    }
    bool runMove(const ActionRun &run) override
    {
        runs.push_back(run);
        const RemovalGuard guard(m_model, run.acknowledgedGroups);
        RecordingProgress progress;
        MoveMarkedRows(m_model, guard, m_reporter).run([&] { return run.targetPath; }, true, progress);
        errors = progress.errors;
        return false;
    }
    bool runLinks(const ActionRun &run, FileTransfer::LinkKind kind, LinkRunResult &result) override
    {
        runs.push_back(run);
        const RemovalGuard guard(m_model);
        RecordingProgress progress;
        LinkMarkedRows(m_model, guard, m_reporter).run(kind, progress, result);
        errors = progress.errors;
        return false;
    }
    void runCopy(const ActionRun &run) override
    {
        runs.push_back(run);
        RecordingProgress progress;
        const RemovalGuard guard(m_model);
        CopyMarkedRows(m_model, guard, m_reporter).run([&] { return run.targetPath; }, progress);
    }

private:
    ResultModel &m_model;
    Prompter &m_prompter;
    ErrorReporter &m_reporter;
    QString m_trash;
};

// Groups of real files: group g holds files g-1, g-2, ... of the sizes given.
struct Fixture
{
    TempTree tree;
    ResultModel model;
    ScriptedPrompter prompter;
    ScriptedErrorReporter reporter;
    DirectDialogs dialogs{model, prompter, reporter, tree.path(QStringLiteral("Trash"))};
    std::deque<KeepOneChoice> answers;                       // the keep-one warning's answers, in order
    std::vector<std::vector<int>> warned;                    // the rows each warning listed
    std::function<void(const std::vector<int> &)> inWarning; // what the user does in the dialog
    QString status;

    Fixture(std::initializer_list<std::initializer_list<bool>> groups)
    {
        std::vector<ResultRow> rows;
        qint32 g = 0;
        for (const auto &marks : groups)
        {
            ++g;
            int k = 0;
            for (const bool marked : marks)
            {
                const QString rel = QStringLiteral("g%1/%2-%3.dat").arg(g).arg(g).arg(++k);
                rows.push_back(scannedRow(tree.fileOfSize(rel, qint64{1000} * g), g, marked));
            }
        }
        loadRows(model, std::move(rows));
    }

    ActionDriver driver()
    {
        return ActionDriver({model,
                             prompter,
                             reporter,
                             dialogs,
                             [this](const std::vector<int> &rows) {
                                 warned.push_back(rows);
                                 if (inWarning)
                                     inWarning(rows);
                                 EXPECT_FALSE(answers.empty());
                                 const KeepOneChoice a = answers.empty() ? KeepOneChoice::Closed : answers.front();
                                 if (!answers.empty())
                                     answers.pop_front();
                                 return a;
                             },
                             [this](const QString &s) { status = s; },
                             {}});
    }
};
} // namespace

TEST(ActionDriver, NothingMarkedSaysSoForEveryCommand)
{
    Fixture f({{false, false}});
    f.prompter.expectMessage(QStringLiteral("Error"), QStringLiteral("No items marked/checked"), PromptAnswer::Ok)
        .expectMessage(QStringLiteral("Error"), QStringLiteral("No items marked/checked"), PromptAnswer::Ok)
        .expectMessage(QStringLiteral("Error"), QStringLiteral("No items marked/checked"), PromptAnswer::Ok);
    f.driver().processMarkedRows(ActionDriver::Removal::Delete);
    f.driver().processMarkedRows(ActionDriver::Removal::Move);
    f.driver().copyMarkedFiles();
    EXPECT_TRUE(f.dialogs.runs.empty());
    EXPECT_EQ(f.model.size(), 2);
}

TEST(ActionDriver, KeepAllOriginalsUnmarksTheLastRowOfEveryFullGroup)
{
    Fixture f({{true, true, true}, {true, false}, {true, true}});
    f.answers = {KeepOneChoice::KeepOneOfEach};
    f.driver().processMarkedRows(ActionDriver::Removal::Delete);

    ASSERT_EQ(f.warned.size(), 1u);
    EXPECT_EQ(f.warned[0], (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(f.dialogs.errors.empty());
    // Group 1 keeps its third file, alone now, so the group leaves the list; group 2 loses its
    // marked file and leaves too; group 3 keeps its second file, alone.
    EXPECT_TRUE(f.model.isEmpty());
    EXPECT_TRUE(QFile::exists(f.tree.path(QStringLiteral("g1/1-3.dat"))));
    EXPECT_FALSE(QFile::exists(f.tree.path(QStringLiteral("g1/1-1.dat"))));
    EXPECT_TRUE(QFile::exists(f.tree.path(QStringLiteral("g3/3-2.dat"))));
    EXPECT_EQ(f.status, QStringLiteral("Total Files Marked 0 Size 0 Bytes"));
}

TEST(ActionDriver, IgnoreWarningsActsOnWholeGroupsAfterOneQuestion)
{
    Fixture f({{true, true}, {true, true}, {false, false}});
    f.answers = {KeepOneChoice::IgnoreWarnings};
    f.driver().processMarkedRows(ActionDriver::Removal::Delete);

    EXPECT_EQ(f.warned.size(), 1u);
    ASSERT_EQ(f.dialogs.runs.size(), 1u);
    EXPECT_EQ(f.dialogs.runs[0].markedCount, 4);
    EXPECT_EQ(f.dialogs.runs[0].acknowledgedGroups, (std::set<qint32>{1, 2}));
    EXPECT_FALSE(QDir(f.tree.path(QStringLiteral("g1"))).exists());
    EXPECT_FALSE(QDir(f.tree.path(QStringLiteral("g2"))).exists());
    EXPECT_EQ(namesOf(f.model), (std::vector<QString>{QStringLiteral("3-1.dat"), QStringLiteral("3-2.dat")}));
}

TEST(ActionDriver, ContinueKeepsTheMarksTheUserLeftAndAsksAgain)
{
    Fixture f({{true, true}, {true, true}});
    f.answers = {KeepOneChoice::Continue, KeepOneChoice::Continue};
    // In the first warning the user unticks the first file; the second is left as it is.
    f.inWarning = [&](const std::vector<int> &rows) {
        if (f.warned.size() == 1)
            f.model.setMarked(rows.front(), false);
    };
    f.driver().processMarkedRows(ActionDriver::Removal::Delete);

    EXPECT_EQ(f.warned.size(), 2u);
    EXPECT_EQ(f.dialogs.runs[0].acknowledgedGroups, (std::set<qint32>{2}));
    EXPECT_TRUE(QFile::exists(f.tree.path(QStringLiteral("g1/1-1.dat"))));
    EXPECT_FALSE(QFile::exists(f.tree.path(QStringLiteral("g1/1-2.dat"))));
    EXPECT_FALSE(QDir(f.tree.path(QStringLiteral("g2"))).exists());
    EXPECT_TRUE(f.model.isEmpty());
}

TEST(ActionDriver, ClosingTheWarningDoesNothing)
{
    Fixture f({{true, true}});
    f.answers = {KeepOneChoice::Closed};
    f.driver().processMarkedRows(ActionDriver::Removal::Delete);
    EXPECT_TRUE(f.dialogs.runs.empty());
    EXPECT_EQ(f.model.size(), 2);
    EXPECT_TRUE(QFile::exists(f.tree.path(QStringLiteral("g1/1-1.dat"))));
}

TEST(ActionDriver, FailedFilesStayMarkedAndCount)
{
    // Three rows, two marked; one of them changes after the scan and is refused.
    Fixture f({{true, true, false}});
    f.tree.fileOfSize(QStringLiteral("g1/1-2.dat"), 999);
    f.driver().processMarkedRows(ActionDriver::Removal::Delete);

    EXPECT_EQ(f.dialogs.errors.size(), 1u);
    EXPECT_EQ(namesOf(f.model), (std::vector<QString>{QStringLiteral("1-2.dat*"), QStringLiteral("1-3.dat")}));
    EXPECT_EQ(f.status, QStringLiteral("Total Files Marked 1 Size 1000 Bytes"));
    EXPECT_EQ(f.model.rowBands(), (std::vector<qint32>{1, 1}));
}

TEST(ActionDriver, ClosedDialogLeavesTheListAlone)
{
    Fixture f({{true, false}, {true, false}});
    f.dialogs.notRun = true;
    f.driver().processMarkedRows(ActionDriver::Removal::Delete);
    EXPECT_EQ(f.model.size(), 4);
    EXPECT_EQ(f.status, QStringLiteral("Total Files Marked 2 Size 2.93 KB"));
}

TEST(ActionDriver, ZeroSizeListingHasNoWarningAndKeepsSingleRows)
{
    Fixture f({});
    loadRows(f.model,
             {scannedRow(f.tree.file(QStringLiteral("z/a"), ""), 0, true),
              scannedRow(f.tree.file(QStringLiteral("z/b"), ""), 0, false)},
             ListKind::ZeroSize);
    f.driver().processMarkedRows(ActionDriver::Removal::Delete);
    EXPECT_TRUE(f.warned.empty());
    EXPECT_EQ(namesOf(f.model), (std::vector<QString>{QStringLiteral("b")}));
}

TEST(ActionDriver, MoveAsksForTheFolderAndCopyLeavesTheList)
{
    Fixture f({{true, false}, {true, false}});
    const QString dest = f.tree.path(QStringLiteral("dest"));
    f.prompter.expectFolder(QStringLiteral("Copy selected files to"), dest)
        .expectFolder(QStringLiteral("Move selected files to"), QString())
        .expectFolder(QStringLiteral("Move selected files to"), dest);

    f.driver().copyMarkedFiles();
    EXPECT_EQ(f.model.size(), 4);
    EXPECT_TRUE(QFile::exists(dest + QStringLiteral("/1-1.dat")));
    EXPECT_TRUE(f.status.isEmpty());

    f.driver().processMarkedRows(ActionDriver::Removal::Move); // browse cancelled
    EXPECT_EQ(f.dialogs.runs.size(), 1u);

    f.driver().processMarkedRows(ActionDriver::Removal::Move);
    EXPECT_EQ(f.dialogs.runs.back().targetPath, dest);
    EXPECT_TRUE(QFile::exists(dest + QStringLiteral("/1-1 (2).dat")));
    EXPECT_TRUE(f.model.isEmpty());
}

TEST(ActionDriver, LinkedFilesStayListedUnmarkedAsTheKeptCopy)
{
    Fixture f({{true, false}, {true, false}});
    f.driver().replaceWithLinks(FileTransfer::LinkKind::Hard);
    ASSERT_EQ(f.model.size(), 4) << "every path still holds its file";
    for (int r : {0, 2})
    {
        EXPECT_TRUE(f.model.row(r).linked);
        EXPECT_FALSE(f.model.isMarked(r));
        EXPECT_EQ(f.model.row(r).inode, f.model.row(r + 1).inode);
    }
    EXPECT_EQ(f.status, QStringLiteral("Total Files Marked 0 Size 0 Bytes"));

    // Lists whose files are only alike are never linked: a link would put one picture in
    // another's place.
    f.model.setMarked(1, true);
    for (const ListKind kind : {ListKind::SimilarContents, ListKind::SimilarPictures})
    {
        f.prompter.expectMessage(QStringLiteral("Error"),
                                 QStringLiteral("Only the identical files that Byte to Byte or CRC32 finds can be "
                                                "replaced with links."),
                                 PromptAnswer::Ok);
        RowAnchors alike;
        alike.origin.kind = kind;
        f.model.setAnchors(alike);
        f.driver().replaceWithLinks(FileTransfer::LinkKind::Hard);
    }
    EXPECT_TRUE(f.prompter.allUsed());
    EXPECT_TRUE(QFileInfo::exists(f.model.row(1).fullPath()));
}
