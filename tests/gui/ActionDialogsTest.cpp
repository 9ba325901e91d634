// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/DeleteFilesDialog.h"
#include "actions/ErrorLog.h"
#include "actions/FileCMFrm.h"
#include "actions/LinkFrm.h"
#include "platform/Trash.h"
#include "support/ScriptedPrompter.h"
#include "support/TempTree.h"

#include "actions/ActionTestSupport.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace
{
// A pair and a trio of duplicates; the first of each is marked.
struct Rows
{
    TempTree tree;
    ResultModel model;
    int sounds = 0;
    ScriptedPrompter prompter;
    ScriptedErrorReporter reporter;
    FakeDesktop desktop;

    Rows()
    {
        loadRows(model, {scannedRow(tree.file(QStringLiteral("a/p.jpg"), "pp"), 1, true),
                         scannedRow(tree.file(QStringLiteral("b/p.jpg"), "pp"), 1),
                         scannedRow(tree.file(QStringLiteral("a/q.txt"), "qqq"), 2, true),
                         scannedRow(tree.file(QStringLiteral("b/q.txt"), "qqq"), 2),
                         scannedRow(tree.file(QStringLiteral("c/q.txt"), "qqq"), 2)});
    }
    ActionRun run(const QString &target = QString()) const { return {2, target, {}, false}; }
    std::function<void()> sound()
    {
        return [this] { ++sounds; };
    }
    QString path(const char *rel) const { return tree.path(QString::fromLatin1(rel)); }
};

QStringList errorRow(const QTreeWidget *list, int row)
{
    const QTreeWidgetItem *item = list->topLevelItem(row);
    return item ? QStringList{item->text(0), item->text(1), item->text(2)} : QStringList();
}
} // namespace

TEST(DeleteFilesDialog, RunsToTheTrashThenReportsItselfRun)
{
    Rows r;
    DeleteFilesDialog dialog(r.model, r.run(), true, r.prompter, r.reporter, r.sound());
    dialog.show();
    EXPECT_TRUE(dialog.trashCheck->isChecked());
    EXPECT_TRUE(dialog.respondCheck->isChecked());
    EXPECT_TRUE(dialog.emptyFoldersCheck->isChecked());
    EXPECT_FALSE(dialog.saveLogButton->isEnabled());
    EXPECT_EQ(dialog.progressBar->maximum(), 2);
    EXPECT_EQ(dialog.findChild<QPushButton *>(QStringLiteral("cmdOK"))->text(), QStringLiteral("&OK"));

    dialog.runButton->click();
    EXPECT_TRUE(QFile::exists(Trash::homeTrash() + QStringLiteral("/files/p.jpg")));
    EXPECT_TRUE(QFile::exists(Trash::homeTrash() + QStringLiteral("/info/q.txt.trashinfo")));
    EXPECT_FALSE(QFile::exists(r.path("a/p.jpg")));
    EXPECT_FALSE(QDir(r.path("a")).exists());
    EXPECT_EQ(dialog.fileLabel->text(), QStringLiteral("Completed"));
    EXPECT_EQ(dialog.errorList->topLevelItemCount(), 0);
    EXPECT_FALSE(dialog.saveLogButton->isEnabled());
    EXPECT_FALSE(dialog.runButton->isEnabled());
    EXPECT_EQ(dialog.closeButton->text(), QStringLiteral("&OK"));
    EXPECT_TRUE(dialog.trashCheck->isEnabled());
    EXPECT_EQ(r.sounds, 1);

    dialog.closeButton->click();
    EXPECT_FALSE(dialog.notRun);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(DeleteFilesDialog, ClosingBeforeARunReportsNotRun)
{
    Rows r;
    DeleteFilesDialog dialog(r.model, r.run(), true, r.prompter, r.reporter, r.sound());
    dialog.show();
    dialog.closeButton->click();
    EXPECT_TRUE(dialog.notRun);
    EXPECT_TRUE(QFile::exists(r.path("a/p.jpg")));
    EXPECT_EQ(r.sounds, 0);
}

TEST(DeleteFilesDialog, PermanentDeletionIsConfirmed)
{
    Rows r;
    const QString question = QStringLiteral("Are you sure to preceed.\nThis will delete the files permanently i.e., "
                                            "they are not sent to the recycle bin.");
    r.prompter.expectMessage(QStringLiteral("Confirm"), question, PromptAnswer::No)
        .expectMessage(QStringLiteral("Confirm"), question, PromptAnswer::Yes);
    // The main window's option is "permanently": the box follows it and asks; No keeps the trash.
    DeleteFilesDialog dialog(r.model, r.run(), false, r.prompter, r.reporter, r.sound());
    dialog.show();
    EXPECT_TRUE(dialog.trashCheck->isChecked());
    dialog.trashCheck->click();
    EXPECT_FALSE(dialog.trashCheck->isChecked());
    dialog.trashCheck->click(); // checking again asks nothing
    EXPECT_TRUE(dialog.trashCheck->isChecked());
    EXPECT_TRUE(r.prompter.allUsed());
}

TEST(DeleteFilesDialog, FailuresAreListedAndLogged)
{
    Rows r;
    r.tree.file(QStringLiteral("a/q.txt"), "changed");
    const QString log = r.path("saved.log");
    r.prompter.expectSaveFile(QStringLiteral("Error Logs"), log);
    DeleteFilesDialog dialog(r.model, r.run(), true, r.prompter, r.reporter, r.sound());
    dialog.show();
    dialog.runButton->click();

    ASSERT_EQ(dialog.errorList->topLevelItemCount(), 1);
    EXPECT_EQ(
        errorRow(dialog.errorList, 0),
        (QStringList{QStringLiteral("1008"), QStringLiteral("File changed since the search"), r.path("a/q.txt")}));
    EXPECT_TRUE(dialog.saveLogButton->isEnabled());
    EXPECT_TRUE(QDir(r.path("a")).exists());

    dialog.saveLogButton->click();
    EXPECT_EQ(r.prompter.asked().back().prompt.text, QStringLiteral("Error Logs|*.log"));
    QFile f(log);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    ASSERT_EQ(lines.size(), 9); // eight lines and the empty rest after the last CR LF
    EXPECT_EQ(lines[1], "Corvina Deletion Error Log File.\r");
    EXPECT_EQ(lines[7], "1008, File changed since the search, " + QFile::encodeName(r.path("a/q.txt")) + "\r");
}

TEST(FileCMFrm, CopyShowsItsOwnCaptionsAndKeepsBothOnAClash)
{
    Rows r;
    const QString dest = r.path("dest");
    r.tree.file(QStringLiteral("dest/p.jpg"), "already here");
    FileCMFrm dialog(r.model, FileCMFrm::Role::Copy, r.run(dest), r.prompter, r.reporter, r.desktop, r.sound());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Copy files to..."));
    EXPECT_TRUE(dialog.copyNote->isVisible());
    EXPECT_FALSE(dialog.moveNote->isVisible());
    EXPECT_FALSE(dialog.emptyFoldersCheck->isEnabled());
    EXPECT_EQ(dialog.pathEdit->text(), dest);
    EXPECT_TRUE(dialog.respondCheck->isChecked());
    EXPECT_FALSE(dialog.structureCheck->isChecked());
    dialog.openFolderCheck->setChecked(true);

    dialog.runButton->click();
    EXPECT_EQ(dialog.errorList->topLevelItemCount(), 0);
    EXPECT_TRUE(QFile::exists(dest + QStringLiteral("/p (2).jpg")));
    EXPECT_TRUE(QFile::exists(r.path("a/p.jpg")));
    EXPECT_EQ(dialog.progressBar->value(), dialog.progressBar->maximum());
    EXPECT_EQ(dialog.fileLabel->text(), QStringLiteral("Progress"));
    EXPECT_EQ(r.desktop.opened, QStringList{dest});
    EXPECT_EQ(r.sounds, 1);
    dialog.closeButton->click();
    EXPECT_FALSE(dialog.notRun);
}

TEST(FileCMFrm, MoveNeedsAFolderThenMovesAndTidiesUp)
{
    Rows r;
    r.prompter.expectFolder(QStringLiteral("Move selected files to"), QString())
        .expectMessage(QStringLiteral("Error"),
                       QStringLiteral("Path not specified, Please specify copy/move location first"), PromptAnswer::Ok)
        .expectFolder(QStringLiteral("Move selected files to"), r.path("moved"));
    FileCMFrm dialog(r.model, FileCMFrm::Role::Move, r.run(r.path("first choice")), r.prompter, r.reporter, r.desktop,
                     r.sound());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Move files to..."));
    EXPECT_TRUE(dialog.moveNote->isVisible());
    EXPECT_TRUE(dialog.emptyFoldersCheck->isEnabled());

    dialog.browseButton->click(); // cancelled: the box is cleared
    EXPECT_TRUE(dialog.pathEdit->text().isEmpty());
    dialog.runButton->click();
    EXPECT_EQ(dialog.pathEdit->palette().color(QPalette::Base), QColor(255, 192, 192));
    EXPECT_EQ(dialog.runButton->text(), QStringLiteral("&OK"));

    dialog.browseButton->click();
    dialog.runButton->click();
    EXPECT_TRUE(QFile::exists(r.path("moved/p.jpg")));
    EXPECT_TRUE(QFile::exists(r.path("moved/q.txt")));
    EXPECT_FALSE(QDir(r.path("a")).exists());
    EXPECT_EQ(dialog.fileLabel->text(), QStringLiteral("Completed"));
    EXPECT_TRUE(r.desktop.opened.isEmpty());
    dialog.closeButton->click();
    EXPECT_FALSE(dialog.notRun);
}

TEST(FileCMFrm, CancelWaitsForTheFileUnderWayAndTheDialogStays)
{
    Rows r;
    // A first file long enough to be copied in many blocks, so that Cancel comes while it is.
    const QString big = r.tree.fileOfSize(QStringLiteral("a/big.bin"), 160 << 20, 'b');
    std::vector<ResultRow> rows{scannedRow(big, 1, true), scannedRow(r.tree.file(QStringLiteral("b/big.bin"), ""), 1)};
    for (const ResultRow &row : r.model.rows())
        rows.push_back(row);
    loadRows(r.model, std::move(rows));
    const QString dest = r.path("dest");
    FileCMFrm dialog(r.model, FileCMFrm::Role::Copy, r.run(dest), r.prompter, r.reporter, r.desktop, r.sound());
    dialog.show();

    bool cancelled = false;
    bool stayedDuringTheFile = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        // The copy is named only once it is whole; its folder is made when it starts.
        if (!cancelled && QFileInfo(dest).isDir())
        {
            dialog.runButton->click();
            cancelled = true;
            QTest::keyClick(&dialog, Qt::Key_Escape);
            dialog.close();
            stayedDuringTheFile = dialog.isVisible() && !dialog.closeButton->isEnabled() &&
                                  !dialog.runButton->isEnabled() &&
                                  dialog.runButton->text() == QStringLiteral("Stopping...");
        }
    });
    watch.start(0);
    dialog.runButton->click();
    watch.stop();

    ASSERT_TRUE(cancelled) << "the copy ended before the watch saw it";
    EXPECT_TRUE(stayedDuringTheFile);
    EXPECT_EQ(QFileInfo(dest + QStringLiteral("/big.bin")).size(), 160 << 20) << "the file under way is finished";
    EXPECT_FALSE(QFile::exists(dest + QStringLiteral("/p.jpg"))) << "nothing after it is started";
    EXPECT_TRUE(dialog.closeButton->isEnabled());
    EXPECT_EQ(dialog.closeButton->text(), QStringLiteral("&OK"));
    EXPECT_NE(dialog.runButton->text(), QStringLiteral("Stopping...")) << "the run is over";
    dialog.closeButton->click();
    EXPECT_FALSE(dialog.notRun);
}

TEST(DeleteFilesDialog, IgnoringWarningsBeforeAPermanentDeleteAsksOnceMore)
{
    Rows r;
    ResultModel model;
    loadRows(model, {scannedRow(r.tree.file(QStringLiteral("w/1"), "only"), 1, true),
                     scannedRow(r.tree.file(QStringLiteral("w/2"), "only"), 1, true)});
    const QString permanent = QStringLiteral("Are you sure to preceed.\nThis will delete the files permanently i.e., "
                                             "they are not sent to the recycle bin.");
    const QString everyCopy = QStringLiteral("Every copy of the files of 1 group(s) is marked, and they will be "
                                             "deleted permanently: nothing of them will be left, not even in the "
                                             "trash.\n\nAre you sure you want to continue?");
    r.prompter.expectMessage(QStringLiteral("Confirm"), permanent, PromptAnswer::Yes)
        .expectMessage(QStringLiteral("Confirm"), everyCopy, PromptAnswer::No)
        .expectMessage(QStringLiteral("Confirm"), everyCopy, PromptAnswer::Yes);
    DeleteFilesDialog dialog(model, {2, QString(), {1}, true}, false, r.prompter, r.reporter, r.sound());
    dialog.show();
    ASSERT_FALSE(dialog.trashCheck->isChecked());

    dialog.runButton->click(); // No: nothing runs, the dialog waits as it was
    EXPECT_TRUE(QFile::exists(r.path("w/1")) && QFile::exists(r.path("w/2")));
    EXPECT_EQ(dialog.runButton->text(), QStringLiteral("&OK"));
    dialog.runButton->click(); // Yes: the user chose to lose both
    EXPECT_FALSE(QFile::exists(r.path("w/1")) || QFile::exists(r.path("w/2")));
    EXPECT_TRUE(r.prompter.allUsed());
}

TEST(LinkFrm, ReplacesTheMarkedFilesAndSaysWhatWasFreed)
{
    Rows r;
    LinkFrm dialog(r.model, r.run(), FileTransfer::LinkKind::Hard, r.reporter, r.sound());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Replace with hard links"));
    dialog.runButton->click();
    EXPECT_EQ(dialog.result().linked.size(), 2u);
    EXPECT_EQ(dialog.fileLabel->text(), QStringLiteral("Completed: 2 files replaced, 5 Bytes freed"));
    EXPECT_EQ(statFile(r.path("a/p.jpg")).inode, statFile(r.path("b/p.jpg")).inode);
    EXPECT_EQ(TempTree::contents(r.path("a/q.txt")), "qqq");
    dialog.closeButton->click();
    EXPECT_FALSE(dialog.notRun);
    EXPECT_EQ(r.sounds, 1);
}

TEST(ActionDialogs, EachDialogSaysWhatOkWillDoAndFollowsItsOptions)
{
    Rows r;
    const auto summary = [](const QWidget &dialog) {
        const auto *label = dialog.findChild<QLabel *>(QStringLiteral("lblWhatWillHappen"));
        return label ? label->text() : QStringLiteral("(no summary)");
    };

    r.prompter.expectMessage(QStringLiteral("Confirm"),
                             QStringLiteral("Are you sure to preceed.\nThis will delete the files permanently i.e., "
                                            "they are not sent to the recycle bin."),
                             PromptAnswer::Yes);
    DeleteFilesDialog deletion(r.model, r.run(), true, r.prompter, r.reporter, r.sound());
    deletion.show();
    EXPECT_EQ(summary(deletion),
              QStringLiteral("2 files, 5 Bytes will be moved to the trash. Folders left empty will be removed."));
    deletion.trashCheck->click();
    deletion.emptyFoldersCheck->click();
    EXPECT_EQ(summary(deletion), QStringLiteral("2 files, 5 Bytes will be deleted for good: they will not go to the "
                                                "trash. Folders left empty will stay."));
    deletion.closeButton->click();

    FileCMFrm move(r.model, FileCMFrm::Role::Move, r.run(), r.prompter, r.reporter, r.desktop, r.sound());
    move.show();
    EXPECT_EQ(summary(move), QStringLiteral("2 files, 5 Bytes will be moved once a destination folder is given. "
                                            "Folders left empty will be removed."));
    move.pathEdit->setText(QStringLiteral("/x/y"));
    EXPECT_EQ(summary(move),
              QStringLiteral("2 files, 5 Bytes will be moved to \"/x/y\". Folders left empty will be removed."));
    move.closeButton->click();

    FileCMFrm copy(r.model, FileCMFrm::Role::Copy, r.run(QStringLiteral("/x/z")), r.prompter, r.reporter, r.desktop,
                   r.sound());
    copy.show();
    EXPECT_EQ(summary(copy), QStringLiteral("2 files, 5 Bytes will be copied to \"/x/z\". No folder will be removed."));
    copy.closeButton->click();

    LinkFrm link(r.model, r.run(), FileTransfer::LinkKind::Clone, r.reporter, r.sound());
    link.show();
    EXPECT_EQ(summary(link), QStringLiteral("2 files, 5 Bytes will be replaced with clones of their kept copies. No "
                                            "folder will be removed."));
    link.closeButton->click();
    EXPECT_TRUE(r.prompter.allUsed());
    EXPECT_EQ(r.sounds, 0);
}
