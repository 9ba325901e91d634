// SPDX-License-Identifier: GPL-3.0-or-later
// The main window from the keyboard alone: access keys, shortcuts, the tab order and the keys of
// the location list, and a whole search, review, mark and clean-up without the mouse.
#include "MainFrmFixture.h"
#include "ModalAnswer.h"
#include "support/TempTree.h"

#include "actions/DeleteFilesDialog.h"
#include "app/HelpFrm.h"
#include "results/ResultModel.h"
#include "results/ResultView.h"
#include "search/FolderFrm.h"
#include "search/SearchListView.h"
#include "search/SearchLocationModel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>

namespace
{
const QString kPicker = QStringLiteral("Choose Folder to Search");

class MainFrmKeyboardTest : public MainFrmTest
{
protected:
    MainFrm &openActive()
    {
        open();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    /// Presses a key where the focus is, as a person at the keyboard does. After a dialog the
    /// desktop gives the window back its activation; the offscreen platform is told to.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        if (QApplication::activeWindow() != window.get())
        {
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        }
        QWidget *focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key, modifiers);
    }

    /// Insert, then the picker gives `folder` and Enter takes the dialog, minimum 1 KB typed in.
    void addLocation(const QString &folder)
    {
        prompter.expectFolder(kPicker, folder);
        ModalAnswer::when<FolderFrm>(
            [](FolderFrm *f) {
                f->minSizeEdit->setFocus();
                f->minSizeEdit->selectAll();
                QTest::keyClicks(f->minSizeEdit, QStringLiteral("1"));
                QTest::keyClick(f->minSizeEdit, Qt::Key_Return);
            },
            [](FolderFrm *f) { return !f->folderEdit->text().isEmpty(); });
        press(Qt::Key_Insert);
    }

    TempTree tree;
};

// The letter after "&" in a caption, in lower case; a null character when there is none.
QChar accessKey(const QString &caption)
{
    const qsizetype amp = caption.indexOf(u'&');
    return amp >= 0 && amp + 1 < caption.size() ? caption.at(amp + 1).toLower() : QChar();
}
} // namespace

TEST_F(MainFrmKeyboardTest, MenusHaveOneAccessKeyPerEntryAndTheUsualShortcuts)
{
    open();
    QSet<QChar> titles;
    for (QAction *menu : window->menuBar()->actions())
    {
        const QChar key = accessKey(menu->text());
        EXPECT_FALSE(key.isNull() || titles.contains(key)) << menu->text().toStdString();
        titles.insert(key);
    }
    for (const char *name : {"MnuFile", "MAction", "MMark", "MHelp"})
    {
        QSet<QChar> keys;
        for (QAction *a : child<QMenu>(name)->actions())
        {
            if (a->isSeparator())
                continue;
            const QChar key = accessKey(a->text());
            EXPECT_FALSE(key.isNull() || keys.contains(key)) << name << ": " << a->text().toStdString();
            keys.insert(key);
        }
    }
    const std::pair<const char *, const char *> shortcuts[] = {
        {"MScan", "F5"},         {"MScan", "Ctrl+Return"},   {"MScan", "Ctrl+Enter"},
        {"MAddLocation", "Ins"}, {"MLoadSession", "Ctrl+O"}, {"MSaveSession", "Ctrl+S"},
        {"MExport", "Ctrl+E"},   {"MDelete", "Del"},         {"MRename", "F2"},
        {"MHelpTopics", "F1"},   {"MClose", "Ctrl+Q"},
    };
    for (const auto &[name, keys] : shortcuts)
        EXPECT_TRUE(action(name)->shortcuts().contains(QKeySequence(QString::fromLatin1(keys)))) << name << " " << keys;
}

TEST_F(MainFrmKeyboardTest, TabFollowsTheLayoutLeavesBothListsAndNeverReachesAHiddenControl)
{
    openActive();
    addLocation(tree.root());
    press(Qt::Key_Home); // back in the window, where the focus was: the location list
    ASSERT_EQ(QApplication::focusWidget(), child<SearchListView>("SearchList"));
    QStringList visited;
    for (int i = 0; i < 20 && visited.value(visited.size() - 1) != u"SearchList"; ++i)
    {
        press(Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        ASSERT_NE(now, nullptr);
        visited << now->objectName();
        EXPECT_TRUE(now->isVisible()) << now->objectName().toStdString();
        EXPECT_TRUE(window->rect().contains(now->mapTo(window.get(), QPoint(0, 0)))) << now->objectName().toStdString();
    }
    EXPECT_EQ(visited, QStringList({"cmdAdd", "cmdRemove", "Option1", "chkFuzzy", "chkProtect", "chkIncludeHidden",
                                    "txtFilter", "RLV", "SearchList"}));
}

TEST_F(MainFrmKeyboardTest, TheLocationListTakesInsertEnterAndDeleteAndTheMenuDoesTheSame)
{
    const QString a = tree.dir(QStringLiteral("a"));
    const QString b = tree.dir(QStringLiteral("b"));
    openActive();
    addLocation(a);
    addLocation(b);
    ASSERT_EQ(window->locations().size(), 2);

    auto *list = child<SearchListView>("SearchList");
    press(Qt::Key_Down); // from the first row, where the focus was
    EXPECT_EQ(list->selectedRow(), 1);
    // Enter changes the selected row, as a double-click does: no picker.
    ModalAnswer::when<FolderFrm>([](FolderFrm *f) {
        f->excludeCheck->click();
        f->okButton->click();
    });
    press(Qt::Key_Return);
    EXPECT_TRUE(window->locations().locations().at(1).excluded());

    // Delete here removes the location; the marked-files deletion would have asked something.
    press(Qt::Key_Delete);
    ASSERT_EQ(window->locations().size(), 1);
    EXPECT_EQ(window->locations().locations().at(0).folder, a);

    list->selectRow(0);
    action("MRemoveLocation")->trigger();
    EXPECT_TRUE(window->locations().empty());
    EXPECT_FALSE(action("MRemoveLocation")->isEnabled());
    prompter.expectFolder(kPicker, QString());
    ModalAnswer::when<FolderFrm>([](FolderFrm *f) { f->cancelButton->click(); });
    action("MAddLocation")->trigger();
    EXPECT_TRUE(window->locations().empty());
}

TEST_F(MainFrmKeyboardTest, AWholeSearchMarkAndCleanUpWithoutTheMouse)
{
    tree.fileOfSize(QStringLiteral("a/song.mp3"), 3000, 's');
    tree.fileOfSize(QStringLiteral("b/song.mp3"), 3000, 's');
    tree.fileOfSize(QStringLiteral("a/talk.mp3"), 2500, 't');
    tree.fileOfSize(QStringLiteral("b/talk copy.mp3"), 2500, 't');
    openActive();
    addLocation(tree.root());
    press(Qt::Key_F5);
    ASSERT_EQ(window->results().size(), 4);

    // Tab to the result list, down to a row, Space marks it.
    for (int i = 0; i < 10 && QApplication::focusWidget() != child<ResultView>("RLV"); ++i)
        press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), child<ResultView>("RLV"));
    press(Qt::Key_Down);
    press(Qt::Key_Space);
    ASSERT_EQ(window->results().markedCount(), 1);
    const QString marked = window->results().row(child<ResultView>("RLV")->currentIndex().row()).fullPath();

    // Del deletes the marked file; the deletion dialog's buttons take the space bar.
    ModalAnswer::when<DeleteFilesDialog>([](DeleteFilesDialog *dialog) {
        QTest::keyClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::Key_Space);
        QTest::keyClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdClose")), Qt::Key_Space);
    });
    press(Qt::Key_Delete);
    EXPECT_FALSE(QFile::exists(marked));
    EXPECT_EQ(window->results().size(), 2) << "the group left with one file leaves the list";

    press(Qt::Key_F1);
    auto *manual = window->findChild<HelpFrm *>();
    ASSERT_NE(manual, nullptr);
    EXPECT_TRUE(manual->isVisible());
    manual->close();

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
}
