// SPDX-License-Identifier: GPL-3.0-or-later
// Scanning from the main window: locations picked as a person picks them, the result rows, the
// status texts, the too-many-files question, cancelling, the error report's Abort, and a session
// named on the command line.
#include "MainFrmFixture.h"
#include "ModalAnswer.h"
#include "support/PictureScenes.h"
#include "support/TempTree.h"

#include "actions/DeleteFilesDialog.h"
#include "actions/FileInfoFrm.h"
#include "app/BugFrm.h"

#include "platform/AppFolders.h"
#include "results/PictureRows.h"
#include "results/ResultModel.h"
#include "results/ResultView.h"
#include "search/FolderFrm.h"
#include "search/SearchLocationModel.h"
#include "search/TooManyFilesDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace
{
const QString kPickerTitle = QStringLiteral("Choose Folder to Search");

class MainFrmScanTest : public MainFrmTest
{
protected:
    // Two pairs of equal files and a single one, all above one kilobyte.
    void makeDuplicates()
    {
        tree.fileOfSize(QStringLiteral("a/one.bin"), 3000, 'a');
        tree.fileOfSize(QStringLiteral("b/one copy.bin"), 3000, 'a');
        tree.fileOfSize(QStringLiteral("a/two.txt"), 2048, 'b');
        tree.fileOfSize(QStringLiteral("b/two.txt"), 2048, 'b');
        tree.fileOfSize(QStringLiteral("a/alone.dat"), 4000, 'c');
    }

    // Adds the tree's root through the add button and the folder picker, with a minimum of 1 KB.
    void addRootWithThePicker()
    {
        prompter.expectFolder(kPickerTitle, tree.root());
        ModalAnswer::when<FolderFrm>(
            [](FolderFrm *f) {
                f->minSizeEdit->setText(QStringLiteral("1"));
                f->okButton->click();
            },
            [](FolderFrm *f) { return !f->folderEdit->text().isEmpty(); });
        child<QToolButton>("cmdAdd")->click();
    }

    QStringList names() const
    {
        QStringList out;
        for (const ResultRow &r : window->results().rows())
            out << r.name();
        return out;
    }

    TempTree tree;
    QtErrorReporter bugReports; // the program's report window, for the test that answers it
};
} // namespace

TEST_F(MainFrmScanTest, ScanningATreeListsTheGroupsAndTheFinalTexts)
{
    makeDuplicates();
    open();
    addRootWithThePicker();
    action("MScan")->trigger();

    EXPECT_EQ(window->results().size(), 4);
    EXPECT_FALSE(names().contains(QStringLiteral("alone.dat")));
    EXPECT_EQ(window->results().row(0).group, 1);
    EXPECT_EQ(window->results().row(3).group, 2);
    EXPECT_EQ(panelText(MainFrm::Panel::Activity), QStringLiteral("Search Completed."));
    EXPECT_EQ(panelText(MainFrm::Panel::Duplicates), QStringLiteral("Duplicate Files: 2  Size: 4.93 KB"));
    EXPECT_EQ(panelText(MainFrm::Panel::Files), QStringLiteral("Files : 5"));
    EXPECT_EQ(panelText(MainFrm::Panel::Folders), QStringLiteral("Folders : 2"));
    EXPECT_FALSE(window->busy());
    EXPECT_FALSE(action("MCancel")->isEnabled());
    EXPECT_TRUE(action("MMarkAllDuplicates")->isVisible());
    EXPECT_FALSE(action("MMarkAll")->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([this] { return sounds == 1; })) << "the end sound follows";
    // The locations went to the default session when the scan started.
    QFile session(AppFolders::defaultSessionPath());
    ASSERT_TRUE(session.open(QIODevice::ReadOnly));
    EXPECT_TRUE(session.readAll().contains(tree.root().toUtf8()));
}

TEST_F(MainFrmScanTest, TheLimitsThatLeaveFilesOutAreNamedUnderTheResults)
{
    makeDuplicates();
    open();
    const auto *leftOut = child<QLabel>("lblLeftOut");
    ASSERT_NE(leftOut, nullptr);
    EXPECT_EQ(leftOut->text(), QStringLiteral("Hidden files were left out."));
    addRootWithThePicker();
    // corvina-cli --min=1 names the same limits in the same words (test_cli).
    EXPECT_EQ(leftOut->text(), QStringLiteral("Files under 1 KB and hidden files were left out."));
    child<QCheckBox>("chkIncludeHidden")->click();
    EXPECT_EQ(leftOut->text(), QStringLiteral("Files under 1 KB were left out."));
    action("MScan")->trigger();
    EXPECT_EQ(window->results().size(), 4);
    EXPECT_EQ(leftOut->text(), QStringLiteral("Files under 1 KB were left out.")) << "the scan leaves it in sight";
    window->locations().remove(0);
    EXPECT_EQ(leftOut->text(), QString());
}

TEST_F(MainFrmScanTest, ScanningWithoutLocationsAsksForOne)
{
    open();
    prompter.expectMessage(QStringLiteral("Error"), QStringLiteral("Please add search path first."), PromptAnswer::Ok);
    prompter.expectFolder(kPickerTitle, QString());
    ModalAnswer::when<FolderFrm>([](FolderFrm *f) { f->cancelButton->click(); });
    action("Button1")->trigger();
    EXPECT_EQ(prompter.asked().front().prompt.icon, PromptIcon::Information);
    EXPECT_EQ(panelText(MainFrm::Panel::Files), QStringLiteral("Files : 0")) << "the status bar is unchanged";
    EXPECT_TRUE(window->locations().empty());
}

TEST_F(MainFrmScanTest, TooManyFilesAsksAndCancelKeepsTheCounts)
{
    makeDuplicates();
    open();
    addRootWithThePicker();
    window->setTooManyFilesLimit(4);
    ModalAnswer::when<TooManyFilesDialog>([](TooManyFilesDialog *w) {
        EXPECT_EQ(w->titleLabel->text(),
                  QStringLiteral("You are about to scan a collection of too many files, total 5 files.  "));
        w->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    });
    action("MScan")->trigger();
    EXPECT_TRUE(window->results().isEmpty());
    EXPECT_EQ(panelText(MainFrm::Panel::Activity), QStringLiteral("Search Completed."));
    EXPECT_EQ(panelText(MainFrm::Panel::Files), QStringLiteral("Files : 5"));

    ModalAnswer::when<TooManyFilesDialog>(
        [](TooManyFilesDialog *w) { w->findChild<QPushButton *>(QStringLiteral("Command2"))->click(); });
    action("MScan")->trigger();
    EXPECT_EQ(window->results().size(), 4);
}

TEST_F(MainFrmScanTest, EveryCancelCommandAsksAndOnlyYesStopsTheScan)
{
    // Enough files that the scan yields to the event loop, where the cancel command is waiting.
    for (int d = 0; d < 40; ++d)
        for (int f = 0; f < 50; ++f)
            tree.fileOfSize(QStringLiteral("d%1/f%2.bin").arg(d).arg(f), 1100 + f, 'x');
    open();
    window->locations().add({tree.root(), QStringLiteral("Yes"), QStringLiteral("All files(*.*)"), QStringLiteral("1"),
                             QString(), SearchLocation::IncludedIcon});
    const struct
    {
        const char *command;
        std::function<void()> cancel;
        PromptAnswer answer;
        const char *status;
    } cases[] = {
        {"Esc", [this] { QTest::keyClick(window.get(), Qt::Key_Escape); }, PromptAnswer::Yes, "Search Terminated."},
        {"toolbar Cancel", [this] { action("Button2")->trigger(); }, PromptAnswer::No, "Search Completed."},
        {"menu Cancel", [this] { action("MCancel")->trigger(); }, PromptAnswer::Yes, "Search Terminated."},
    };
    for (const auto &c : cases)
    {
        prompter.expectMessage(QStringLiteral("Cancel Search"), QStringLiteral("Are you sure to cancel searching?"),
                               c.answer);
        QTimer::singleShot(0, window.get(), c.cancel);
        action("MScan")->trigger();
        EXPECT_TRUE(prompter.allUsed()) << c.command;
        EXPECT_EQ(panelText(MainFrm::Panel::Activity), QString::fromLatin1(c.status)) << c.command;
        EXPECT_FALSE(window->busy()) << c.command;
        EXPECT_EQ(prompter.asked().back().prompt.defaultAnswer, PromptAnswer::No) << c.command;
    }
}

TEST_F(MainFrmScanTest, AbortInTheErrorReportEndsTheScanAndReturnsToIdle)
{
    makeDuplicates();
    errorReporter = &bugReports;
    open();
    // A maximum size that is no number fails the walk of its location.
    window->locations().add({tree.root(), QStringLiteral("Yes"), QStringLiteral("All files(*.*)"), QStringLiteral("1"),
                             QStringLiteral("lots"), SearchLocation::IncludedIcon});
    ModalAnswer::when<BugFrm>([](BugFrm *report) {
        EXPECT_EQ(report->findChild<QLabel *>(QStringLiteral("lblValue2"))->text(), QStringLiteral("Scanning"));
        report->findChild<QPushButton *>(QStringLiteral("cmdAbort"))->click();
    });
    action("MScan")->trigger();
    EXPECT_EQ(panelText(MainFrm::Panel::Activity), QStringLiteral("Search Terminated."));
    EXPECT_EQ(panelText(MainFrm::Panel::Files), QStringLiteral("Files : 0"));
    EXPECT_FALSE(window->busy());
    EXPECT_TRUE(action("MScan")->isEnabled());
    EXPECT_FALSE(action("MCancel")->isEnabled());
    EXPECT_TRUE(child<QToolButton>("cmdAdd")->isEnabled());
    EXPECT_TRUE(window->results().isEmpty());
}

TEST_F(MainFrmScanTest, ASessionOnTheCommandLineLoadsAndScansAtOnce)
{
    makeDuplicates();
    const QString path = tree.path(QStringLiteral("my session.cvf"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(("1,1,0,0,0,0,0,0,0\r\n" + tree.root().toUtf8() + ",Yes,All files(*.*),1,,15\r\n"));
    }
    open(u'"' + path + u'"');
    EXPECT_EQ(window->locations().size(), 1);
    EXPECT_EQ(window->results().size(), 4);
    EXPECT_EQ(panelText(MainFrm::Panel::Activity), QStringLiteral("Search Completed."));
}

TEST_F(MainFrmScanTest, AMissingCommandLineSessionSaysFileNotFound)
{
    const QString path = tree.path(QStringLiteral("missing.cvf"));
    prompter.expectMessage(QStringLiteral("File Not Found"), u'"' + path + u'"', PromptAnswer::Ok);
    open(path);
    EXPECT_EQ(prompter.asked().front().prompt.icon, PromptIcon::Critical);
    EXPECT_TRUE(window->results().isEmpty());
}

TEST_F(MainFrmScanTest, DuplicateFoldersAreListedMarkedSavedAndSentToTheTrash)
{
    for (const QString &top : {QStringLiteral("A/"), QStringLiteral("B/")})
    {
        tree.fileOfSize(top + u"x.jpg", 3000, 'x');
        tree.fileOfSize(top + u"y.jpg", 200, 'y'); // below the location's minimum: folders count every file
    }
    tree.fileOfSize(QStringLiteral("C/x.jpg"), 3000, 'x');
    tree.fileOfSize(QStringLiteral("D/mine.txt"), 5000, 'd');
    open();
    addRootWithThePicker();
    child<QRadioButton>("Option5")->click();
    EXPECT_TRUE(child<QCheckBox>("chkContained")->isEnabled());
    EXPECT_EQ(child<QLabel>("lblLeftOut")->text(), QStringLiteral("Hidden files were left out."));
    action("MScan")->trigger();

    const ResultModel &results = window->results();
    ASSERT_EQ(names(), QStringList({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    EXPECT_EQ(results.row(0).version(), QStringLiteral("2"));
    EXPECT_EQ(results.row(0).size, 3200);
    EXPECT_EQ(results.row(2).group, 0) << "C holds nothing unique, in no group";
    EXPECT_EQ(panelText(MainFrm::Panel::Duplicates), QStringLiteral("Duplicate Folders: 1  Size: 3.13 KB"));
    EXPECT_EQ(results.headerData(ResultRow::ColName, Qt::Horizontal).toString(), QStringLiteral("Folder Name"));
    EXPECT_EQ(results.headerData(ResultRow::ColVersion, Qt::Horizontal).toString(), QStringLiteral("Files"));
    auto *view = child<ResultView>("RLV");
    EXPECT_TRUE(view->isRowHidden(2)) << "only with the switch";
    child<QCheckBox>("chkContained")->click();
    EXPECT_FALSE(view->isRowHidden(2));

    action("MMarkAllDuplicates")->trigger();
    EXPECT_EQ(results.markedCount(), 1);
    prompter.expectMessage(QStringLiteral("Error"), QString(), PromptAnswer::Ok);
    action("MCopyMarkFiles")->trigger();
    EXPECT_TRUE(prompter.allUsed()) << "a folder is never copied";
    for (const char *file : {"A/x.jpg", "B/x.jpg", "C/x.jpg"})
        EXPECT_TRUE(QFile::exists(tree.path(QString::fromLatin1(file)))) << file;

    // A saved list of folders comes back as one, with its folders in no group.
    const QString session = tree.path(QStringLiteral("folders.cvf"));
    const QStringList listed = names();
    ASSERT_TRUE(window->saveSession(session, false, {}));
    prompter.expectMessage(QStringLiteral("Confirm"), QString(), PromptAnswer::Yes);
    ASSERT_TRUE(window->openSession(session, true, false, {}));
    EXPECT_EQ(names(), listed);
    for (const ResultRow &r : window->results().rows())
        EXPECT_EQ(r.group, r.name() == u"C" ? 0 : 1) << r.name().toStdString();
    EXPECT_EQ(window->results().markedCount(), 1);
    EXPECT_TRUE(child<QRadioButton>("Option5")->isChecked());

    // Delete sends the marked folder, proved a copy of the other, to the trash whole.
    ModalAnswer::when<DeleteFilesDialog>([](DeleteFilesDialog *dialog) {
        dialog->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        dialog->findChild<QPushButton *>(QStringLiteral("cmdClose"))->click();
    });
    action("MDelete")->trigger();
    EXPECT_NE(QFile::exists(tree.path(QStringLiteral("A/x.jpg"))), QFile::exists(tree.path(QStringLiteral("B/x.jpg"))))
        << "one folder of the group went, the other stays";
    EXPECT_TRUE(QFile::exists(tree.path(QStringLiteral("C/x.jpg"))));
    EXPECT_EQ(names(), QStringList{QStringLiteral("C")}) << "a group of one folder is no group";
}

// Similar Pictures from the engine frame: the groups come largest first with their dimensions,
// Mark All Duplicates keeps each group's largest however old it is, and the engine and its level
// survive a restart in the default session.
TEST_F(MainFrmScanTest, SimilarPicturesAreListedLargestFirstAndTheChoiceSurvivesARestart)
{
    using PictureScenes::Copy;
    const QDateTime oldest(QDate(2020, 1, 1), QTime(12, 0));
    for (const quint32 seed : {11U, 12U})
    {
        const QImage scene = PictureScenes::scene(seed, 640);
        int days = 0;
        for (const Copy copy : {Copy::Original, Copy::Half, Copy::Quarter})
            tree.file(QStringLiteral("%1/%2.jpg").arg(seed).arg(QLatin1String(PictureScenes::copyName(copy))),
                      PictureScenes::encode(scene, copy, seed), oldest.addDays(days++));
    }
    tree.fileOfSize(QStringLiteral("notes.txt"), 3000, 'n');
    open();
    addRootWithThePicker();
    auto *similarity = child<QComboBox>("cboSimilarity");
    EXPECT_FALSE(similarity->isEnabled());
    child<QRadioButton>("Option6")->click();
    EXPECT_TRUE(similarity->isEnabled());
    EXPECT_FALSE(child<QCheckBox>("chkFuzzy")->isEnabled());
    EXPECT_EQ(similarity->currentText(), QStringLiteral("Close"));
    similarity->setCurrentIndex(similarity->findText(QStringLiteral("Strict")));
    action("MScan")->trigger();

    const ResultModel &results = window->results();
    ASSERT_EQ(results.size(), 6) << names().join(u' ').toStdString();
    EXPECT_EQ(results.headerData(ResultRow::ColVersion, Qt::Horizontal).toString(), QStringLiteral("Dimensions"));
    EXPECT_TRUE(panelText(MainFrm::Panel::Duplicates).startsWith(QStringLiteral("Similar Pictures: 4  Size: ")))
        << panelText(MainFrm::Panel::Duplicates).toStdString();
    for (const int first : {0, 3})
    {
        EXPECT_EQ(results.row(first).name(), QStringLiteral("original.jpg"));
        EXPECT_TRUE(results.row(first).version().endsWith(QStringLiteral(" JPEG")))
            << results.row(first).version().toStdString();
        EXPECT_GT(PictureRows::pixels(results.row(first).version()),
                  PictureRows::pixels(results.row(first + 1).version()));
        EXPECT_EQ(results.row(first + 2).name(), QStringLiteral("quarter.jpg"));
    }
    // The viewer shows a smaller copy beside its group's first.
    child<ResultView>("RLV")->setCurrentIndex(results.index(1, 0));
    action("MPicViewer")->trigger();
    action("MPicViewer")->trigger();
    auto *viewer = window->findChild<FileInfoFrm *>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->firstPicture->isVisible());
    EXPECT_GE(viewer->width(), 640) << "room for two pictures";
    EXPECT_TRUE(viewer->caption->text().startsWith(QStringLiteral("half.jpg\n")))
        << viewer->caption->text().toStdString();
    EXPECT_TRUE(viewer->firstCaption->text().startsWith(QStringLiteral("original.jpg\n")));

    action("MMarkAllDuplicates")->trigger();
    for (const ResultRow &r : results.rows())
        EXPECT_EQ(r.marked, r.name() != u"original.jpg") << r.path.toStdString() << r.name().toStdString();

    restart();
    EXPECT_TRUE(child<QRadioButton>("Option6")->isChecked());
    EXPECT_EQ(child<QComboBox>("cboSimilarity")->currentText(), QStringLiteral("Strict"));
    EXPECT_EQ(window->locations().size(), 1) << "the default session was read whole";
    child<QRadioButton>("Option2")->click();
    EXPECT_FALSE(child<QComboBox>("cboSimilarity")->isEnabled());
}
