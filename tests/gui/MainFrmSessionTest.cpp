// SPDX-License-Identifier: GPL-3.0-or-later
// Sessions and export from the main window: the session dialog, default.cvf across a restart, and
// the export wizard.
#include "MainFrmFixture.h"
#include "ModalAnswer.h"
#include "support/TempTree.h"

#include "core/CHive.h"
#include "core/TextFormat.h"
#include "platform/AppFolders.h"
#include "platform/Settings.h"
#include "results/ResultModel.h"
#include "search/SearchLocationModel.h"
#include "sessions/ExportDialog.h"
#include "sessions/SaveFrm.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace
{
template <typename T> T *named(QWidget *parent, const char *name)
{
    auto *w = parent->findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

SearchLocation location(const QString &folder, int icon = SearchLocation::IncludedIcon)
{
    SearchLocation l;
    l.folder = folder;
    l.mask = QStringLiteral("All files(*.*)");
    l.minSize = QStringLiteral("0");
    l.icon = icon;
    return l;
}

class MainFrmSessionTest : public MainFrmTest
{
protected:
    // Two groups of two existing files, as a scan would list them.
    void listTwoGroups()
    {
        CHive hive;
        for (const auto &[size, name, shade] :
             {std::tuple{30, "a.txt", 1}, {30, "b.txt", 1}, {12, "c.txt", 2}, {12, "d.txt", 2}})
        {
            tree.fileOfSize(QString::fromLatin1(name), size);
            hive.add(TextFormat::pad12(size), QString::fromLatin1(name), tree.folder(), QStringLiteral("N/A"), shade,
                     QStringLiteral("3/7/2004 9:05:03 PM"));
        }
        window->results().loadResultList(hive);
    }

    TempTree tree;
};
} // namespace

TEST_F(MainFrmSessionTest, SaveAndLoadASessionThroughTheSessionDialog)
{
    open();
    window->locations().add(location(tree.root()));
    listTwoGroups();
    const QString path = tree.path(QStringLiteral("saved.cvf"));

    prompter.expectSaveFile(QStringLiteral("Saving Location"), path);
    ModalAnswer::when<SaveFrm>([](SaveFrm *dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Save Dialog"));
        EXPECT_EQ(dialog->height(), dialog->sizeHint().height()) << "no room is kept for the hidden open frame";
        named<QToolButton>(dialog, "cmdAdd")->click();
        named<QPushButton>(dialog, "Command1")->click();
    });
    action("MSaveSession")->trigger();
    const QByteArray saved = contents(path);
    EXPECT_TRUE(saved.startsWith("1,1,0,4,")) << saved.toStdString();
    EXPECT_TRUE(saved.contains(";a.txt?30?3/7/2004 9:05:03 PM?N/A?1?")) << saved.toStdString();
    EXPECT_EQ(sounds, 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return sounds == 1; })) << "the end sound plays 500 ms later";

    action("MNewSession")->trigger();
    ASSERT_TRUE(window->results().isEmpty());
    prompter.expectOpenFile(QStringLiteral("Open Location"), path);
    ModalAnswer::when<SaveFrm>([](SaveFrm *dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Open Dialog"));
        EXPECT_EQ(dialog->height(), dialog->sizeHint().height()) << "no room is kept for the hidden save frame";
        EXPECT_FALSE(named<QCheckBox>(dialog, "chkClose")->isEnabled());
        named<QToolButton>(dialog, "cmdAdd")->click();
        named<QPushButton>(dialog, "Command1")->click();
    });
    action("MLoadSession")->trigger();
    EXPECT_EQ(window->results().size(), 4);
    ASSERT_EQ(window->locations().size(), 1);
    EXPECT_EQ(window->locations().locations().at(0).folder, tree.root());
    EXPECT_EQ(panelText(MainFrm::Panel::Activity), QStringLiteral("Search Completed."));
    EXPECT_FALSE(window->busy());
    EXPECT_TRUE(action("MScan")->isEnabled());
}

TEST_F(MainFrmSessionTest, SessionsSavedOrOpenedAreOfferedAgain)
{
    settings().setRecentSessions({});
    open();
    window->locations().add(location(tree.root()));
    listTwoGroups();
    auto *recent = window->findChild<QMenu *>(QStringLiteral("mnuOpenRecent"));
    ASSERT_NE(recent, nullptr);
    EXPECT_FALSE(recent->isEnabled()) << "nothing saved or opened yet";

    const QString first = tree.path(QStringLiteral("first.cvf"));
    const QString second = tree.path(QStringLiteral("R&D.cvf"));
    for (const QString &path : {first, second})
        ASSERT_TRUE(window->saveSession(path, false, {}));
    ASSERT_EQ(recent->actions().size(), 2);
    EXPECT_EQ(recent->actions().at(0)->text(), QStringLiteral("&1 ") + tree.path(QStringLiteral("R&&D.cvf")));
    EXPECT_EQ(recent->actions().at(1)->text(), QStringLiteral("&2 ") + first);

    // Chosen, the file loads at once as it was saved; it moves to the top.
    action("MNewSession")->trigger();
    ASSERT_TRUE(window->results().isEmpty());
    recent->actions().at(1)->trigger();
    EXPECT_EQ(window->results().size(), 4);
    EXPECT_EQ(settings().recentSessions(), (QStringList{first, second}));

    // The Open dialog offers them too; one chosen there is the path it opens.
    ModalAnswer::when<SaveFrm>([second](SaveFrm *dialog) {
        auto *button = named<QToolButton>(dialog, "cmdRecent");
        EXPECT_TRUE(button->isVisible());
        ASSERT_EQ(button->menu()->actions().size(), 2);
        button->menu()->actions().at(1)->trigger();
        EXPECT_EQ(named<QLineEdit>(dialog, "txtPath")->text(), second);
        named<QPushButton>(dialog, "Command2")->click();
    });
    action("MLoadSession")->trigger();

    // A file gone since is said so, and leaves the list.
    ASSERT_TRUE(QFile::remove(second));
    prompter.expectMessage(QStringLiteral("File Not Found"), QString(), PromptAnswer::Ok);
    recent->actions().at(1)->trigger();
    EXPECT_EQ(settings().recentSessions(), QStringList{first});
}

TEST_F(MainFrmSessionTest, LoadSessionThenCancelChangesNothing)
{
    open();
    window->locations().add(location(tree.root()));
    listTwoGroups();
    ModalAnswer::when<SaveFrm>([](SaveFrm *dialog) { named<QPushButton>(dialog, "Command2")->click(); });
    action("MLoadSession")->trigger();
    EXPECT_EQ(window->results().size(), 4);
    EXPECT_EQ(window->locations().size(), 1);
}

TEST_F(MainFrmSessionTest, LocationsAndOptionsComeBackAfterARestart)
{
    open();
    window->locations().add(location(tree.root()));
    window->locations().add(location(tree.folder(QStringLiteral("skip")), SearchLocation::ExcludedIcon));
    named<QRadioButton>(window.get(), "Option2")->click();
    named<QCheckBox>(window.get(), "chkIncludeHidden")->click();
    listTwoGroups();

    restart();
    EXPECT_TRUE(QFile::exists(AppFolders::defaultSessionPath()));
    ASSERT_EQ(window->locations().size(), 2);
    EXPECT_EQ(window->locations().locations().at(0).folder, tree.root());
    EXPECT_TRUE(window->locations().locations().at(1).excluded());
    EXPECT_EQ(window->engine(), ScanOptions::Crc32);
    EXPECT_TRUE(named<QCheckBox>(window.get(), "chkIncludeHidden")->isChecked());
    EXPECT_TRUE(named<QToolButton>(window.get(), "cmdRemove")->isEnabled());
    EXPECT_TRUE(window->results().isEmpty()) << "the default session keeps no results";
}

TEST_F(MainFrmSessionTest, ExportThroughTheWizardWritesTheRows)
{
    open();
    listTwoGroups();
    const QString path = tree.path(QStringLiteral("list.csv"));
    prompter.expectSaveFile(QStringLiteral("Export Locations"), path);
    ModalAnswer::when<ExportDialog>([](ExportDialog *wizard) {
        named<QRadioButton>(wizard, "OptDeli")->click();
        named<QRadioButton>(wizard, "optAllFiles")->click();
        if (named<QCheckBox>(wizard, "openafter")->isChecked())
            named<QCheckBox>(wizard, "openafter")->click();
        named<QPushButton>(wizard, "btn")->click();
        named<QRadioButton>(wizard, "optComma")->click();
        named<QToolButton>(wizard, "cmdAdd")->click();
        named<QPushButton>(wizard, "btn")->click();
        EXPECT_FALSE(wizard->isVisible()) << "the wizard closes once the file is written";
    });
    action("MExport")->trigger();
    EXPECT_EQ(panelText(MainFrm::Panel::Activity), QStringLiteral("The list was exported to ") + path);
    const QByteArray csv = contents(path);
    EXPECT_TRUE(csv.startsWith("File Name,Size(Bytes),Last Modified,Version,Group,Path\r\n")) << csv.toStdString();
    EXPECT_EQ(csv.count(".txt,"), 4) << csv.toStdString();
    EXPECT_EQ(sounds, 1) << "the export plays the completion sound itself";
    EXPECT_FALSE(settings().openAfterExport());
}

TEST_F(MainFrmSessionTest, AFailedLoadLeavesListMarksLocationsAndTheDefaultSession)
{
    open();
    window->locations().add(location(tree.root()));
    listTwoGroups();
    window->results().setMarked(2, true);
    const QString panel1 = panelText(MainFrm::Panel::Activity);
    const QString missing = tree.path(QStringLiteral("mistyped.cvf"));
    const QString damaged = tree.file(QStringLiteral("cut.cvf"), "1,1,0,4,9,1,2,42,0\r\n/x,Yes,m,0,,15\r\n;a?1");

    struct Attempt
    {
        QString path;
        QString title;
        QString text;
    };
    const std::vector<Attempt> attempts = {
        {missing, QStringLiteral("File Not Found"), u'"' + missing + u'"'},
        {damaged, QStringLiteral("Damaged Session File"),
         u'"' + damaged + QStringLiteral("\"\r\nLine 3: a result row has 9 fields, this line has 2.")},
    };
    for (const Attempt &a : attempts)
    {
        SCOPED_TRACE(a.title.toStdString());
        // Yes to dropping the marked list: the file that fails to load must still leave it.
        prompter.expectMessage(QStringLiteral("Confirm"), QString(), PromptAnswer::Yes);
        prompter.expectMessage(a.title, a.text, PromptAnswer::Ok);
        ModalAnswer::when<SaveFrm>([&a](SaveFrm *dialog) {
            named<QLineEdit>(dialog, "txtPath")->setText(a.path);
            named<QPushButton>(dialog, "Command1")->click();
            EXPECT_TRUE(dialog->isVisible()) << "the dialog stays open for another path";
            named<QPushButton>(dialog, "Command2")->click();
        });
        action("MLoadSession")->trigger();
        EXPECT_TRUE(prompter.allUsed());
        EXPECT_EQ(window->results().size(), 4);
        EXPECT_TRUE(window->results().isMarked(2));
        ASSERT_EQ(window->locations().size(), 1);
        EXPECT_EQ(window->locations().locations().at(0).folder, tree.root());
        EXPECT_EQ(panelText(MainFrm::Panel::Activity), panel1);
        EXPECT_FALSE(window->busy());
    }

    closeWindow();
    const QByteArray kept = tree.root().toUtf8() + ",Yes,";
    EXPECT_TRUE(contents(AppFolders::defaultSessionPath()).contains(kept))
        << "closing saves the locations the window kept";
}

TEST_F(MainFrmSessionTest, AMissingSessionOnTheCommandLineKeepsTheDefaultSession)
{
    open();
    window->locations().add(location(tree.root()));
    closeWindow();
    const QByteArray saved = contents(AppFolders::defaultSessionPath());

    const QString missing = tree.path(QStringLiteral("no such.cvf"));
    prompter.expectMessage(QStringLiteral("File Not Found"), u'"' + missing + u'"', PromptAnswer::Ok);
    open(u'"' + missing + u'"');
    EXPECT_TRUE(prompter.allUsed());
    ASSERT_EQ(window->locations().size(), 1);
    EXPECT_EQ(window->locations().locations().at(0).folder, tree.root());
    closeWindow();
    EXPECT_EQ(contents(AppFolders::defaultSessionPath()), saved);
}
