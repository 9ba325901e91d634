// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/CopyMarkedRows.h"
#include "actions/DeleteMarkedRows.h"
#include "actions/MoveMarkedRows.h"
#include "actions/RemovalGuard.h"
#include "platform/NativePath.h"
#include "support/ScriptedPrompter.h"
#include "support/TempTree.h"

#include "ActionTestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

namespace
{
const QDateTime kScanned(QDate(2021, 3, 4), QTime(5, 6, 7), Qt::UTC);

bool exists(const QString &path)
{
    return statFile(path).exists;
}

// Two groups of duplicates: x.txt in a/ (marked) and b/, y.txt in a/ (marked) and c/.
struct TwoGroups
{
    TempTree tree;
    ResultModel model;

    TwoGroups()
    {
        loadRows(model, {scannedRow(tree.file(QStringLiteral("a/x.txt"), "xx", kScanned), 1, true),
                         scannedRow(tree.file(QStringLiteral("b/x.txt"), "xx", kScanned), 1),
                         scannedRow(tree.file(QStringLiteral("a/y.txt"), "yyy", kScanned), 2, true),
                         scannedRow(tree.file(QStringLiteral("c/y.txt"), "yyy", kScanned), 2)});
    }
    QString path(const char *rel) const { return tree.path(QString::fromLatin1(rel)); }
};

DeleteOptions trashOptions(const TempTree &tree)
{
    DeleteOptions options;
    options.trashFolder = tree.path(QStringLiteral("Trash"));
    return options;
}
} // namespace

TEST(DeleteMarkedRows, MarkedFilesGoToTheTrashAndTheirEmptyFolderGoes)
{
    TwoGroups t;
    const RemovalGuard guard(t.model);
    ScriptedPrompter prompter;
    ScriptedErrorReporter reporter;
    RecordingProgress progress;

    ASSERT_TRUE(DeleteMarkedRows(t.model, guard, prompter, reporter).run(trashOptions(t.tree), progress));
    EXPECT_TRUE(progress.errors.empty());
    EXPECT_EQ(TempTree::contents(t.path("Trash/files/x.txt")), "xx");
    EXPECT_EQ(TempTree::contents(t.path("Trash/files/y.txt")), "yyy");
    EXPECT_TRUE(TempTree::contents(t.path("Trash/info/x.txt.trashinfo"))
                    .contains(QByteArray("Path=" + QFile::encodeName(t.path("a/x.txt")))));
    EXPECT_FALSE(QDir(t.path("a")).exists());
    EXPECT_TRUE(exists(t.path("b/x.txt")) && exists(t.path("c/y.txt")));
    EXPECT_EQ(progress.statuses.front(), fileLabelText(t.path("a/x.txt")));
    EXPECT_EQ(progress.statuses.back(), QStringLiteral("Completed"));
    EXPECT_EQ(progress.yields, 4);
}

TEST(DeleteMarkedRows, ForGoodLeavesNothingInTheTrash)
{
    TwoGroups t;
    const RemovalGuard guard(t.model);
    ScriptedPrompter prompter;
    ScriptedErrorReporter reporter;
    RecordingProgress progress;
    DeleteOptions options = trashOptions(t.tree);
    options.sendToTrash = false;
    options.removeEmptyFolders = false;

    ASSERT_TRUE(DeleteMarkedRows(t.model, guard, prompter, reporter).run(options, progress));
    EXPECT_FALSE(exists(t.path("a/x.txt")));
    EXPECT_FALSE(QDir(t.path("Trash")).exists());
    EXPECT_TRUE(QDir(t.path("a")).exists());
}

TEST(DeleteMarkedRows, FailuresAndRefusalsAreListedAndTheFilesStay)
{
    TwoGroups t;
    const RemovalGuard guard(t.model);
    ScriptedPrompter prompter;
    ScriptedErrorReporter reporter;
    RecordingProgress progress;
    // x.txt: the trash cannot be made (a file stands where its folder should be), even as root.
    DeleteOptions options;
    options.trashFolder = t.tree.file(QStringLiteral("blocker"), "") + QStringLiteral("/Trash");
    // y.txt: rewritten after the scan with the same size, so only its time tells.
    t.tree.file(QStringLiteral("a/y.txt"), "YYY", kScanned.addSecs(60));

    ASSERT_TRUE(DeleteMarkedRows(t.model, guard, prompter, reporter).run(options, progress));
    EXPECT_EQ(progress.errors, (std::vector<ActionError>{ActionError::unableToDelete(t.path("a/x.txt")),
                                                         ActionError::changedSinceSearch(t.path("a/y.txt"))}));
    EXPECT_EQ(TempTree::contents(t.path("a/x.txt")), "xx");
    EXPECT_EQ(TempTree::contents(t.path("a/y.txt")), "YYY");
}

TEST(DeleteMarkedRows, TheLastCopyOfAGroupIsKept)
{
    TempTree tree;
    ResultModel model;
    const QString kept = tree.file(QStringLiteral("k/x.txt"), "xx", kScanned);
    const QString link = tree.path(QStringLiteral("k/x-link.txt"));
    ASSERT_EQ(::link(QFile::encodeName(kept).constData(), QFile::encodeName(link).constData()), 0);
    loadRows(model, {
                        // group 1: the unmarked copy vanished since the scan
                        scannedRow(tree.file(QStringLiteral("g1/x.txt"), "11", kScanned), 1, true),
                        scannedRow(tree.file(QStringLiteral("g1/gone.txt"), "11", kScanned), 1),
                        // group 2: the unmarked copy changed size
                        scannedRow(tree.file(QStringLiteral("g2/x.txt"), "22", kScanned), 2, true),
                        scannedRow(tree.file(QStringLiteral("g2/grown.txt"), "22", kScanned), 2),
                        // group 3: the unmarked "copy" is a second name of the same file
                        scannedRow(kept, 3, true),
                        scannedRow(link, 3),
                        // group 4: every copy marked, and the user was not warned about it
                        scannedRow(tree.file(QStringLiteral("g4/x.txt"), "44", kScanned), 4, true),
                        scannedRow(tree.file(QStringLiteral("g4/y.txt"), "44", kScanned), 4, true),
                        // group 5: every copy marked, and the user chose to go on after the warning
                        scannedRow(tree.file(QStringLiteral("g5/x.txt"), "55", kScanned), 5, true),
                        scannedRow(tree.file(QStringLiteral("g5/y.txt"), "55", kScanned), 5, true),
                    });
    QFile::remove(tree.path(QStringLiteral("g1/gone.txt")));
    tree.file(QStringLiteral("g2/grown.txt"), "222", kScanned);
    const RemovalGuard guard(model, {5});
    ScriptedPrompter prompter;
    ScriptedErrorReporter reporter;
    RecordingProgress progress;

    ASSERT_TRUE(DeleteMarkedRows(model, guard, prompter, reporter).run(trashOptions(tree), progress));
    std::vector<ActionError> expected;
    for (const char *rel : {"g1/x.txt", "g2/x.txt", "k/x.txt", "g4/x.txt", "g4/y.txt"})
    {
        const QString path = tree.path(QString::fromLatin1(rel));
        expected.push_back(ActionError::noCopyLeft(path));
        EXPECT_TRUE(exists(path)) << rel;
    }
    EXPECT_EQ(progress.errors, expected);
    EXPECT_FALSE(exists(tree.path(QStringLiteral("g5/x.txt"))));
    EXPECT_FALSE(exists(tree.path(QStringLiteral("g5/y.txt"))));
}

TEST(DeleteMarkedRows, EmptyFilesOfTheZeroSizeListingNeedNoCopy)
{
    TempTree tree;
    ResultModel model;
    loadRows(model,
             {scannedRow(tree.file(QStringLiteral("e1"), ""), 0, true),
              scannedRow(tree.file(QStringLiteral("e2"), ""), 0, true)},
             ListKind::ZeroSize);
    const RemovalGuard guard(model);
    ScriptedPrompter prompter;
    ScriptedErrorReporter reporter;
    RecordingProgress progress;
    ASSERT_TRUE(DeleteMarkedRows(model, guard, prompter, reporter).run(trashOptions(tree), progress));
    EXPECT_TRUE(progress.errors.empty());
    EXPECT_FALSE(exists(tree.path(QStringLiteral("e1"))) || exists(tree.path(QStringLiteral("e2"))));
}

TEST(DeleteMarkedRows, CancelStopsAtTheNextFile)
{
    TempTree tree;
    ResultModel model;
    loadRows(model, {scannedRow(tree.file(QStringLiteral("d/1"), "same"), 1, true),
                     scannedRow(tree.file(QStringLiteral("d/2"), "same"), 1, true),
                     scannedRow(tree.file(QStringLiteral("d/3"), "same"), 1, true)});
    const RemovalGuard guard(model, {1});
    ScriptedPrompter prompter;
    ScriptedErrorReporter reporter;
    RecordingProgress progress;
    progress.cancelAfterYields = 2;

    ASSERT_TRUE(DeleteMarkedRows(model, guard, prompter, reporter).run(trashOptions(tree), progress));
    EXPECT_FALSE(exists(tree.path(QStringLiteral("d/1"))));
    EXPECT_FALSE(exists(tree.path(QStringLiteral("d/2"))));
    EXPECT_TRUE(exists(tree.path(QStringLiteral("d/3"))));
    EXPECT_TRUE(QDir(tree.path(QStringLiteral("d"))).exists()); // the pass ran and kept it
    EXPECT_EQ(progress.statuses.back(), QStringLiteral("Completed"));
}

TEST(DeleteMarkedRows, EachFileIsConfirmedUnlessYesToAll)
{
    TwoGroups t;
    const RemovalGuard guard(t.model);
    ScriptedPrompter prompter;
    prompter
        .expectMessage(QStringLiteral("Confirm"),
                       QStringLiteral("Are you sure you want to send \"x.txt\" to the trash?"), PromptAnswer::No)
        .expectMessage(QStringLiteral("Confirm"), QString(), PromptAnswer::Yes);
    ScriptedErrorReporter reporter;
    RecordingProgress progress;
    DeleteOptions options = trashOptions(t.tree);
    options.respondYesToAll = false;

    ASSERT_TRUE(DeleteMarkedRows(t.model, guard, prompter, reporter).run(options, progress));
    EXPECT_EQ(progress.errors, (std::vector<ActionError>{ActionError::unableToDelete(t.path("a/x.txt"))}));
    EXPECT_TRUE(exists(t.path("a/x.txt")));
    EXPECT_FALSE(exists(t.path("a/y.txt")));
}

TEST(DeleteMarkedRows, LongPathsAreCutForTheLabel)
{
    const QString seventy(70, u'p');
    EXPECT_EQ(fileLabelText(seventy), seventy);
    EXPECT_EQ(fileLabelText(seventy + u'q'), seventy + QStringLiteral("..."));
}

TEST(CopyMoveMarkedRows, ClashesKeepBothFiles)
{
    TwoGroups t;
    t.tree.file(QStringLiteral("dest/x.txt"), "already there");
    ScriptedErrorReporter reporter;
    const QString dest = t.path("dest");

    const RemovalGuard guard(t.model);
    RecordingProgress copying;
    ASSERT_TRUE(CopyMarkedRows(t.model, guard, reporter).run([&] { return dest; }, copying));
    EXPECT_TRUE(copying.errors.empty());
    EXPECT_EQ(TempTree::contents(t.path("dest/x (2).txt")), "xx");
    EXPECT_EQ(TempTree::contents(t.path("dest/x.txt")), "already there");
    EXPECT_TRUE(exists(t.path("a/x.txt")));
    EXPECT_EQ(copying.values, (std::vector<int>{1, 2}));
    EXPECT_TRUE(copying.statuses.empty());

    RecordingProgress moving;
    ASSERT_TRUE(MoveMarkedRows(t.model, guard, reporter).run([&] { return dest; }, true, moving));
    EXPECT_TRUE(moving.errors.empty());
    EXPECT_EQ(TempTree::contents(t.path("dest/x (3).txt")), "xx");
    EXPECT_EQ(TempTree::contents(t.path("dest/y (2).txt")), "yyy");
    EXPECT_FALSE(QDir(t.path("a")).exists());
    EXPECT_EQ(moving.statuses.back(), QStringLiteral("Completed"));
}

TEST(CopyMoveMarkedRows, CancelledMoveLeavesTheRest)
{
    TwoGroups t;
    const RemovalGuard guard(t.model);
    ScriptedErrorReporter reporter;
    RecordingProgress progress;
    progress.cancelAfterYields = 2; // row 1 moved, row 2 (unmarked) passed, then cancel

    ASSERT_TRUE(MoveMarkedRows(t.model, guard, reporter).run([&] { return t.path("dest"); }, true, progress));
    EXPECT_TRUE(exists(t.path("dest/x.txt")));
    EXPECT_TRUE(exists(t.path("a/y.txt")));
    EXPECT_FALSE(exists(t.path("dest/y.txt")));
    EXPECT_TRUE(QDir(t.path("a")).exists());
}

TEST(CopyMoveMarkedRows, FailuresAreListed)
{
    TwoGroups t;
    const QString blocked = t.tree.file(QStringLiteral("blocker"), "") + QStringLiteral("/dest");
    ScriptedErrorReporter reporter;

    const RemovalGuard guard(t.model);
    RecordingProgress copying;
    ASSERT_TRUE(CopyMarkedRows(t.model, guard, reporter).run([&] { return blocked; }, copying));
    EXPECT_EQ(copying.errors, (std::vector<ActionError>{ActionError::unableToCopy(t.path("a/x.txt")),
                                                        ActionError::unableToCopy(t.path("a/y.txt"))}));

    // The first file into a folder it cannot reach, the second into its own folder.
    RecordingProgress moving;
    int asked = 0;
    const auto destination = [&] { return ++asked == 1 ? blocked : t.path("a"); };
    ASSERT_TRUE(MoveMarkedRows(t.model, guard, reporter).run(destination, true, moving));
    EXPECT_EQ(moving.errors, (std::vector<ActionError>{ActionError::unableToMove(t.path("a/x.txt")),
                                                       ActionError::unableToMove(t.path("a/y.txt"))}));
    EXPECT_TRUE(exists(t.path("a/x.txt")) && exists(t.path("a/y.txt")));
}

TEST(CopyMoveMarkedRows, MoveRefusesAFileChangedSinceTheSearch)
{
    TwoGroups t;
    const RemovalGuard guard(t.model);
    t.tree.file(QStringLiteral("a/x.txt"), "grown since");
    ScriptedErrorReporter reporter;
    RecordingProgress progress;
    ASSERT_TRUE(MoveMarkedRows(t.model, guard, reporter).run([&] { return t.path("dest"); }, true, progress));
    EXPECT_EQ(progress.errors, (std::vector<ActionError>{ActionError::changedSinceSearch(t.path("a/x.txt"))}));
    EXPECT_EQ(TempTree::contents(t.path("a/x.txt")), "grown since");
    EXPECT_TRUE(exists(t.path("dest/y.txt")));
}
