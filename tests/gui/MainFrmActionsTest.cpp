// SPDX-License-Identifier: GPL-3.0-or-later
// File actions from the main window: deleting marked files, the keep-one warning, advanced marking.
#include "MainFrmFixture.h"
#include "ModalAnswer.h"
#include "support/TempTree.h"

#include "actions/DeleteFilesDialog.h"
#include "core/CHive.h"
#include "core/TextFormat.h"
#include "results/AdvMarkFrm.h"
#include "results/ResultModel.h"
#include "results/ResultView.h"
#include "results/RowAnchors.h"
#include "results/WarningFrm.h"
#include "search/SearchLocation.h"
#include "search/SearchLocationModel.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace
{
class MainFrmActionsTest : public MainFrmTest
{
protected:
    // Two groups of two files: a1 and a2, b1 and b2; the second of each is the newer.
    void listGroups()
    {
        CHive hive;
        const std::tuple<int, const char *, int, const char *> files[] = {
            {512, "a1", 1, "3/7/2004 9:05:03 AM"},
            {512, "a2", 1, "3/7/2004 9:05:04 AM"},
            {100, "b1", 2, "3/7/2004 9:05:03 AM"},
            {100, "b2", 2, "3/7/2004 9:05:05 AM"},
        };
        for (const auto &[size, name, shade, date] : files)
        {
            // The files carry the times the rows show: nothing is deleted that changed since the scan.
            tree.fileOfSize(QString::fromLatin1(name), size, 'x', TextFormat::parseDateText(QString::fromLatin1(date)));
            hive.add(TextFormat::pad12(size), QString::fromLatin1(name), tree.folder(), QStringLiteral("N/A"), shade,
                     QString::fromLatin1(date));
        }
        window->results().loadResultList(hive);
        anchorRows(window->results(), {}, {tree.root()});
    }

    static void runDeletion()
    {
        ModalAnswer::when<DeleteFilesDialog>([](DeleteFilesDialog *dialog) {
            dialog->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
            dialog->findChild<QPushButton *>(QStringLiteral("cmdClose"))->click();
        });
    }

    TempTree tree;
};
} // namespace

TEST_F(MainFrmActionsTest, DeletingTheMarkedCopiesLeavesOneFileOfEachGroup)
{
    open();
    listGroups();
    action("MMarkAllDuplicates")->trigger();
    runDeletion();
    action("Button7")->trigger();
    EXPECT_FALSE(QFile::exists(tree.path(QStringLiteral("a1"))));
    EXPECT_FALSE(QFile::exists(tree.path(QStringLiteral("b1"))));
    EXPECT_TRUE(QFile::exists(tree.path(QStringLiteral("a2"))));
    EXPECT_TRUE(QFile::exists(tree.path(QStringLiteral("b2"))));
    EXPECT_TRUE(window->results().isEmpty()) << "groups left with one file leave the list";
}

TEST_F(MainFrmActionsTest, AfterAnActTheStatusBarSaysWhatWasDoneAndCountsWhatIsLeft)
{
    tree.fileOfSize(QStringLiteral("a/one.bin"), 3000, 'a');
    tree.fileOfSize(QStringLiteral("b/one.bin"), 3000, 'a');
    for (const char *folder : {"a", "b", "c"})
        tree.fileOfSize(QStringLiteral("%1/two.txt").arg(QLatin1String(folder)), 2048, 'b');
    open();
    SearchLocation root;
    root.folder = tree.root();
    root.mask = QStringLiteral("All files(*.*)");
    root.minSize = QStringLiteral("0");
    window->locations().add(root);
    action("MScan")->trigger();
    ASSERT_EQ(window->results().size(), 5);
    EXPECT_EQ(panelText(MainFrm::Panel::Duplicates), QStringLiteral("Duplicate Files: 3  Size: 6.93 KB"));
    action("MMarkAllDuplicates")->trigger();
    ASSERT_EQ(window->results().markedCount(), 3);
    // One marked file changes after the search: the deletion refuses it and it stays listed.
    QString changed;
    for (const ResultRow &row : window->results().rows())
        if (row.marked && row.name() == QLatin1String("two.txt"))
            changed = row.fullPath();
    tree.file(QDir(tree.root()).relativeFilePath(changed), "edited since the search");

    runDeletion();
    action("MDelete")->trigger();
    EXPECT_EQ(panelText(MainFrm::Panel::Activity),
              QStringLiteral("2 files, 4.93 KB moved to the trash; 1 refused. Total Files Marked 1 Size 2.00 KB"));
    ASSERT_EQ(window->results().size(), 2);
    EXPECT_EQ(panelText(MainFrm::Panel::Duplicates), QStringLiteral("Duplicate Files: 1  Size: 2.00 KB"));

    // A session saved now comes back with the same counts.
    const QString session = tree.path(QStringLiteral("left.cvf"));
    ASSERT_TRUE(window->saveSession(session, false, {}));
    prompter.expectMessage(QStringLiteral("Confirm"), QString(), PromptAnswer::Yes);
    ASSERT_TRUE(window->openSession(session, false, false, {}));
    EXPECT_EQ(window->results().size(), 2);
    EXPECT_EQ(panelText(MainFrm::Panel::Duplicates), QStringLiteral("Duplicate Files: 1  Size: 2.00 KB"));
}

TEST_F(MainFrmActionsTest, AFullyMarkedGroupAsksToKeepOneFile)
{
    open();
    listGroups();
    // The list is one of identical files whatever engine button is pressed after the search.
    child<QRadioButton>("Option4")->click();
    child<ResultView>("RLV")->selectAll();
    action("MMarkingSelected")->trigger();
    ASSERT_EQ(window->results().markedCount(), 4);
    ModalAnswer::when<WarningFrm>(
        [](WarningFrm *warning) { warning->findChild<QPushButton *>(QStringLiteral("Command1"))->click(); });
    runDeletion();
    action("MDelete")->trigger();
    int left = 0;
    for (const char *name : {"a1", "a2", "b1", "b2"})
        left += QFile::exists(tree.path(QString::fromLatin1(name))) ? 1 : 0;
    EXPECT_EQ(left, 2) << "one file of each group is kept";
}

TEST_F(MainFrmActionsTest, AdvanceMarkingOpensOnceAndNewSessionUnloadsIt)
{
    open();
    listGroups();
    action("mnuAdvMarkForm")->trigger();
    auto *form = window->findChild<AdvMarkFrm *>();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    action("mnuAdvMarkForm")->trigger();
    EXPECT_EQ(window->findChildren<AdvMarkFrm *>().size(), 1);
    action("MNewSession")->trigger();
    EXPECT_EQ(window->findChild<AdvMarkFrm *>(), nullptr);
}

TEST_F(MainFrmActionsTest, EditUndoLastCleanUpPutsTheTrashedFilesBack)
{
    open();
    listGroups();
    action("MMarkAllDuplicates")->trigger();
    runDeletion();
    action("Button7")->trigger();
    ASSERT_FALSE(QFile::exists(tree.path(QStringLiteral("a1"))));

    QAction *undo = action("MUndoCleanUp");
    ASSERT_NE(undo, nullptr);
    EXPECT_TRUE(child<QMenu>("MEdit")->actions().contains(undo));
    EXPECT_TRUE(undo->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Z"))));
    const QString title = QStringLiteral("Undo Last Clean-up");
    prompter.expectMessage(title, QString(), PromptAnswer::Yes).expectMessage(title, QString(), PromptAnswer::Ok);
    undo->trigger();
    EXPECT_TRUE(QFile::exists(tree.path(QStringLiteral("a1"))));
    EXPECT_TRUE(QFile::exists(tree.path(QStringLiteral("b1"))));
    ASSERT_FALSE(prompter.asked().empty());
    const QString report = prompter.asked().back().prompt.text;
    EXPECT_TRUE(report.startsWith(QStringLiteral("Undo of "))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("2 files put back"))) << report.toStdString();

    // Help > What Corvina Did lists the act as undone.
    prompter.expectMessage(QStringLiteral("What Corvina Did"), QString(), PromptAnswer::Ok);
    action("mnuJournal")->trigger();
    const QString listing = prompter.asked().back().prompt.text;
    EXPECT_TRUE(listing.section(u'\n', 0, 0).endsWith(QStringLiteral("(undone)"))) << listing.toStdString();
}
