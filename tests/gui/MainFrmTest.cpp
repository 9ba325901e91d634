// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a person meets it: start-up, menus, toolbar, options and their questions.
#include "MainFrmFixture.h"
#include "ModalAnswer.h"
#include "support/TempTree.h"

#include "app/HelpFrm.h"
#include "app/TipFrm.h"
#include "core/CHive.h"
#include "core/TextFormat.h"
#include "platform/Settings.h"
#include "results/ResultModel.h"
#include "results/ResultView.h"
#include "search/FolderFrm.h"
#include "search/SearchListView.h"
#include "search/SearchLocationModel.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

namespace
{
const QString kConfirm = QStringLiteral("Confirm");

void clickHeader(ResultView *view, int column)
{
    QHeaderView *header = view->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}
} // namespace

TEST_F(MainFrmTest, FirstStartShowsTheDefaultWindowAndTheTips)
{
    freshSettings(true);
    ModalAnswer::close<TipFrm>();
    MainFrm &w = open();
    EXPECT_TRUE(QTest::qWaitFor([&w] { return w.findChild<TipFrm *>() == nullptr; }));

    EXPECT_EQ(w.windowTitle(), QStringLiteral("Corvina v3.0"));
    EXPECT_EQ(w.size(), QSize(800, 533)) << "12000 x 8000 twips";
    EXPECT_EQ(w.pos(), QPoint(0, 0));
    EXPECT_TRUE(action("MPicViewer")->isChecked());
    EXPECT_TRUE(action("MSendToRecycleBin")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("chkProtect")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("chkFuzzy")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("chkIncludeHidden")->isChecked());
    EXPECT_TRUE(child<QRadioButton>("Option1")->isChecked());
    EXPECT_EQ(panelText(MainFrm::Panel::Activity),
              QStringLiteral("Add search path and click on the scan button to start search."));
    EXPECT_EQ(panelText(MainFrm::Panel::Duplicates), QStringLiteral("Duplicates : 0"));
    EXPECT_EQ(panelText(MainFrm::Panel::Files), QStringLiteral("Files : 0"));
    EXPECT_EQ(panelText(MainFrm::Panel::Folders), QStringLiteral("Folders : 0"));
    EXPECT_EQ(panelText(MainFrm::Panel::Clock), QStringLiteral("00:00:00"));
    EXPECT_FALSE(action("MCancel")->isEnabled());
    EXPECT_FALSE(child<QToolButton>("cmdRemove")->isEnabled());
}

TEST_F(MainFrmTest, EveryMenuEntryCarriesItsNameAndCaption)
{
    open();
    const std::pair<const char *, const char *> entries[] = {
        {"MScan", "Scan"},
        {"MCancel", "Cancel"},
        {"MNewSession", "New Session"},
        {"MLoadSession", "Load Session"},
        {"MSaveSession", "Save Session"},
        {"MExport", "Export"},
        {"MPicViewer", "Show Picture Viewer"},
        {"MSendToRecycleBin", "Send to Recycle Bin"},
        {"MClose", "Close"},
        {"MNone", "None"},
        {"MMarkAll", "Mark All"},
        {"MMarkingSelected", "Mark Selected"},
        {"mnuUnMarkSelected", "UnMark Selected"},
        {"MMarkAllDuplicates", "Mark All Duplicates"},
        {"mnuAdvMarking", "Mark All Duplicates upto..."},
        {"MMarkFolder", "Mark Folder"},
        {"mnuFolderAndSubFolder", "Mark Folder and Sub Folders"},
        {"mnuAdvMarkForm", "Advance Marking"},
        {"MCopyMarkFiles", "Copy"},
        {"MMoveSelected", "Move "},
        {"MDelete", "Delete"},
        {"MRename", "Rename"},
        {"mnuRemoveFromResult", "Remove from result list"},
        {"MOpenFile", "Open File"},
        {"MOpenFolder", "Open Folder"},
        {"mnuOpenAllMarkFiles", "Open Mark Files"},
        {"MCopyPath", "Copy path to clipboard"},
        {"MFileProperties", "File Properties"},
        {"MHelpTopics", "Help Topics"},
        {"mnuTip", "Tip of the day"},
        {"mnuFaq", "FAQ"},
        {"mnuHelponline", "Help Online"},
        {"mnuTellaFriend", "I Like Corvina"},
        {"MAbout", "About Corvina"},
    };
    // The "&" before a letter only marks its access key; the captions read without it.
    auto shown = [](QString caption) { return caption.remove(u'&'); };
    for (const auto &[name, caption] : entries)
        EXPECT_EQ(shown(action(name)->text()), QString::fromLatin1(caption)) << name;
    for (const auto &[name, caption] :
         {std::pair{"MnuFile", "File"}, {"MAction", "Action"}, {"MMark", "Mark Quick"}, {"MHelp", "Help"}})
    {
        auto *menu = window->findChild<QMenu *>(QString::fromLatin1(name));
        ASSERT_NE(menu, nullptr) << name;
        EXPECT_EQ(shown(menu->title()), QString::fromLatin1(caption));
    }
    // The groups of a duplicate scan come first: "Mark All" only shows for the zero-size listing.
    EXPECT_FALSE(action("MMarkAll")->isVisible());
    EXPECT_TRUE(action("MMarkAllDuplicates")->isVisible());
    EXPECT_TRUE(action("MarkSep2")->isSeparator());
}

TEST_F(MainFrmTest, ToolbarButtonsCarryCaptionsAndTooltips)
{
    open();
    const std::tuple<int, const char *, const char *> buttons[] = {
        {1, "Scan", "Click here to start your search"},
        {2, "Cancel", "Cancel current process"},
        {4, "Mark", "Select the desire marking option for deletion/moving/copeing files"},
        {5, "Copy", "Click here to copy all marked files"},
        {6, "Move", "Click here to move all marked files"},
        {7, "Delete", "Click here to delete all marked files"},
        {8, "Rename", "Click here to rename selected file"},
        {10, "Export", "Export the result to selected format"},
        {11, "Viewer", "Show/Hide picture viewer"},
        {12, "To Trash", "Deleted files go to the trash. Click to delete them permanently instead."},
    };
    auto *bar = child<QToolBar>("Toolbar1");
    ASSERT_NE(bar, nullptr);
    const QList<QAction *> actions = bar->actions();
    ASSERT_EQ(actions.size(), 12);
    EXPECT_TRUE(actions[2]->isSeparator());
    EXPECT_TRUE(actions[8]->isSeparator());
    for (const auto &[index, caption, tip] : buttons)
    {
        QAction *a = actions[index - 1];
        EXPECT_EQ(a->objectName(), QStringLiteral("Button%1").arg(index));
        EXPECT_EQ(a->text(), QString::fromLatin1(caption));
        EXPECT_EQ(a->toolTip(), QString::fromLatin1(tip));
        EXPECT_FALSE(a->icon().isNull()) << caption;
        EXPECT_EQ(a->isEnabled(), index != 2) << caption;
    }
}

TEST_F(MainFrmTest, ResizingBelowTheMinimumSnapsBackAndGeometrySurvivesARestart)
{
    MainFrm &w = open();
    w.resize(100, 100);
    EXPECT_EQ(w.size(), w.minimumSize());
    EXPECT_EQ(w.minimumSize(), QSize(690, 334).expandedTo(w.minimumSizeHint())) << "10350 x 5000 twips at least";
    w.resize(720, 500);
    w.move(30, 45);
    MainFrm &again = restart();
    EXPECT_EQ(settings().mainWindowWidth(), 10800);
    EXPECT_EQ(settings().mainWindowHeight(), 7500);
    EXPECT_EQ(settings().mainWindowLeft(), 450);
    EXPECT_EQ(settings().mainWindowTop(), 675);
    EXPECT_EQ(again.size(), QSize(720, 500));
    EXPECT_EQ(again.pos(), QPoint(30, 45));
}

TEST_F(MainFrmTest, AtTheSmallestSizeNothingOverlapsAndLongPanelTextsAreShortened)
{
    MainFrm &w = open();
    w.resize(w.minimumSize());
    const QString longPath(400, u'x');
    w.panel(MainFrm::Panel::Activity)->setText(QStringLiteral("Comparing ") + longPath);
    w.panel(MainFrm::Panel::Duplicates)->setText(QStringLiteral("Duplicates : 1,234,567 (1,234.56 GB) ") + longPath);
    w.panel(MainFrm::Panel::Files)->setText(QStringLiteral("Files : 12,345,678"));
    w.panel(MainFrm::Panel::Folders)->setText(QStringLiteral("Folders : 1,234,567"));
    QApplication::processEvents();
    EXPECT_EQ(w.size(), w.minimumSize());
    const QWidget *bar = w.panel(MainFrm::Panel::Activity)->parentWidget();
    int right = 0;
    for (MainFrm::Panel p : {MainFrm::Panel::Activity, MainFrm::Panel::Duplicates, MainFrm::Panel::Files,
                             MainFrm::Panel::Folders, MainFrm::Panel::Clock})
    {
        const QRect r = w.panel(p)->geometry();
        EXPECT_GE(r.left(), right) << "panel " << static_cast<int>(p) << " overlaps the one before";
        EXPECT_LE(r.right(), bar->width()) << "panel " << static_cast<int>(p) << " runs off the bar";
        EXPECT_GT(r.width(), 0);
        right = r.right();
        const ElidedLabel *label = w.panel(p);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->shownText()), label->contentsRect().width());
    }
    EXPECT_TRUE(w.panel(MainFrm::Panel::Files)->shownText().endsWith(QStringLiteral("\u2026")))
        << "a panel with too little room shows where its text was cut";
    EXPECT_TRUE(panelText(MainFrm::Panel::Activity).endsWith(longPath)) << "the text itself stays whole";
    for (const QWidget *c : w.centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
    {
        if (c->isVisibleTo(&w))
        {
            EXPECT_GE(c->height(), c->minimumSizeHint().height()) << "squeezed: " << c->objectName().toStdString();
        }
    }
}

TEST_F(MainFrmTest, UncheckingProtectAsksAndYesKeepsIt)
{
    open();
    auto *protect = child<QCheckBox>("chkProtect");
    const QString question = QStringLiteral("It is highly recommended to leave this option checked to prevent loss "
                                            "of data.\nDo you want to leave this option");
    prompter.expectMessage(kConfirm, question, PromptAnswer::Yes);
    protect->click();
    EXPECT_TRUE(protect->isChecked());
    prompter.expectMessage(kConfirm, question, PromptAnswer::No);
    protect->click();
    EXPECT_FALSE(protect->isChecked());
    protect->click();
    EXPECT_TRUE(protect->isChecked()) << "checking it again asks nothing";
    ASSERT_EQ(prompter.asked().size(), 2u);
    EXPECT_EQ(prompter.asked()[0].prompt.icon, PromptIcon::Critical);
    EXPECT_EQ(prompter.asked()[0].prompt.defaultAnswer, PromptAnswer::No);
}

TEST_F(MainFrmTest, TurningTheRecycleBinOffAsksAndTheChoiceSurvivesARestart)
{
    open();
    const QString question = QStringLiteral("This will delete the files permanently i.e., they are not sent to the "
                                            "recycle bin.\nAre you sure you want to preceed.");
    prompter.expectMessage(kConfirm, question, PromptAnswer::No);
    action("MSendToRecycleBin")->trigger();
    EXPECT_TRUE(window->recycleBin());
    EXPECT_EQ(settings().deletionMode(), Settings::DeletionMode::Trash);
    prompter.expectMessage(kConfirm, question, PromptAnswer::No);
    action("Button12")->trigger();
    EXPECT_TRUE(action("Button12")->isChecked()) << "declining leaves the button showing the trash";

    prompter.expectMessage(kConfirm, question, PromptAnswer::Yes);
    action("Button12")->trigger();
    EXPECT_FALSE(window->recycleBin());
    EXPECT_FALSE(action("MSendToRecycleBin")->isChecked());
    EXPECT_EQ(settings().deletionMode(), Settings::DeletionMode::Permanent);

    restart();
    EXPECT_FALSE(window->recycleBin());
    action("MSendToRecycleBin")->trigger();
    EXPECT_TRUE(window->recycleBin()) << "turning it on asks nothing";
    EXPECT_EQ(settings().deletionMode(), Settings::DeletionMode::Trash);
}

TEST_F(MainFrmTest, ThePictureViewerSwitchSurvivesARestart)
{
    open();
    action("Button11")->trigger();
    EXPECT_FALSE(action("MPicViewer")->isChecked());
    EXPECT_FALSE(settings().showViewer());
    restart();
    EXPECT_FALSE(action("MPicViewer")->isChecked());
    action("MPicViewer")->trigger();
    EXPECT_TRUE(action("MPicViewer")->isChecked());
    EXPECT_TRUE(settings().showViewer());
}

TEST_F(MainFrmTest, TheSwitchesFollowTheirSettingsWhicheverWindowChangesThem)
{
    open();
    QAction *button = action("Button12");
    ASSERT_TRUE(button->isCheckable());
    EXPECT_TRUE(button->isChecked());
    const QString trashText = button->text();
    const QString trashTip = button->toolTip();
    const qint64 trashIcon = button->icon().cacheKey();

    settings().setShowViewer(false);
    settings().setDeletionMode(Settings::DeletionMode::Permanent);
    EXPECT_FALSE(action("MPicViewer")->isChecked());
    EXPECT_FALSE(action("MSendToRecycleBin")->isChecked());
    EXPECT_FALSE(window->recycleBin());
    EXPECT_FALSE(button->isChecked());
    EXPECT_EQ(button->text(), QStringLiteral("Permanent"));
    EXPECT_NE(button->toolTip(), trashTip);
    EXPECT_TRUE(button->toolTip().startsWith(QStringLiteral("Deleted files are removed permanently")));
    EXPECT_NE(button->icon().cacheKey(), trashIcon);

    settings().setShowViewer(true);
    settings().setDeletionMode(Settings::DeletionMode::Trash);
    EXPECT_TRUE(action("MPicViewer")->isChecked());
    EXPECT_TRUE(window->recycleBin());
    EXPECT_TRUE(button->isChecked());
    EXPECT_EQ(button->text(), trashText);
    EXPECT_EQ(button->toolTip(), trashTip);
}

TEST_F(MainFrmTest, EscWhileIdleAsksNothing)
{
    open();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    child<QPushButton>("Command1")->setFocus();
    QTest::keyClick(child<QPushButton>("Command1"), Qt::Key_F6);
    EXPECT_TRUE(prompter.asked().empty());
}

TEST_F(MainFrmTest, EngineOptionsSwitchFuzzyAndBoldTheChoice)
{
    open();
    auto *fuzzy = child<QCheckBox>("chkFuzzy");
    child<QRadioButton>("Option3")->click();
    EXPECT_FALSE(fuzzy->isEnabled());
    EXPECT_TRUE(child<QRadioButton>("Option3")->font().bold());
    EXPECT_FALSE(child<QRadioButton>("Option1")->font().bold());
    EXPECT_EQ(window->engine(), ScanOptions::SameName);
    child<QRadioButton>("Option1")->click();
    EXPECT_TRUE(fuzzy->isEnabled());
    // Until a session has set it, the box explains nothing.
    fuzzy->click();
    EXPECT_TRUE(fuzzy->isChecked());
    EXPECT_FALSE(fuzzy->font().bold());
}

TEST_F(MainFrmTest, AddChangeAndRemoveLocations)
{
    TempTree tree;
    const QString a = tree.dir(QStringLiteral("a"));
    const QString b = tree.dir(QStringLiteral("b"));
    open();
    auto *add = child<QToolButton>("cmdAdd");
    auto *remove = child<QToolButton>("cmdRemove");
    auto *list = child<SearchListView>("SearchList");

    auto pressOk = [] {
        ModalAnswer::when<FolderFrm>([](FolderFrm *f) { f->okButton->click(); },
                                     [](FolderFrm *f) { return !f->folderEdit->text().isEmpty(); });
    };
    prompter.expectFolder(QStringLiteral("Choose Folder to Search"), a);
    pressOk();
    add->click();
    prompter.expectFolder(QStringLiteral("Choose Folder to Search"), b);
    pressOk();
    add->click();
    ASSERT_EQ(window->locations().size(), 2);
    EXPECT_EQ(window->locations().locations().at(0).folder, a);
    EXPECT_EQ(window->locations().locations().at(0).mask, QStringLiteral("All files(*.*)"));
    EXPECT_EQ(window->locations().locations().at(0).minSize, QStringLiteral("10"));
    EXPECT_TRUE(remove->isEnabled());

    // A double-click changes the selected row; its dialog shows the row and opens no picker.
    list->selectRow(1);
    ModalAnswer::when<FolderFrm>([](FolderFrm *f) {
        EXPECT_EQ(f->minSizeEdit->text(), QStringLiteral("10"));
        f->excludeCheck->click();
        f->okButton->click();
    });
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 1)).center());
    EXPECT_TRUE(window->locations().locations().at(1).excluded());
    EXPECT_EQ(window->locations().locations().at(1).mask, QString());

    // Cancel changes nothing.
    prompter.expectFolder(QStringLiteral("Choose Folder to Search"), QString());
    ModalAnswer::when<FolderFrm>([](FolderFrm *f) { f->cancelButton->click(); });
    add->click();
    EXPECT_EQ(window->locations().size(), 2);

    list->selectRow(0);
    remove->click();
    list->selectRow(0);
    remove->click();
    EXPECT_TRUE(window->locations().empty());
    EXPECT_FALSE(remove->isEnabled());
    // A double-click on the empty list opens nothing.
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
}

TEST_F(MainFrmTest, HeaderClicksSortAscendingThenDescendingWithTheirMark)
{
    TempTree tree;
    CHive hive;
    for (const auto &[size, name, shade] : {std::tuple{100, "c.txt", 1},
                                            {100, "a.txt", 1},
                                            {9, "b.txt", 2},
                                            {9, "d.txt", 2},
                                            {10, "e.txt", 1},
                                            {10, "f.txt", 1}})
    {
        tree.fileOfSize(QString::fromLatin1(name), size);
        hive.add(TextFormat::pad12(size), QString::fromLatin1(name), tree.folder(), QStringLiteral("N/A"), shade,
                 QStringLiteral("3/7/2004 9:05:03 PM"));
    }
    open();
    window->results().loadResultList(hive);
    auto *view = child<ResultView>("RLV");

    clickHeader(view, 1);
    EXPECT_EQ(view->sortMarkColumn(), 1);
    EXPECT_TRUE(view->sortMarkAscending());
    EXPECT_EQ(window->results().row(0).size, 9);
    EXPECT_EQ(window->results().row(5).size, 100);
    clickHeader(view, 1);
    EXPECT_FALSE(view->sortMarkAscending());
    EXPECT_EQ(window->results().row(0).size, 100);
    // Bands follow the runs of group numbers after the sort.
    EXPECT_FALSE(window->results().data(window->results().index(0, 0), ResultModel::ShadedRole).toBool());
    EXPECT_TRUE(window->results().data(window->results().index(2, 0), ResultModel::ShadedRole).toBool());

    clickHeader(view, 0);
    EXPECT_EQ(view->sortMarkColumn(), 0);
    EXPECT_TRUE(view->sortMarkAscending());
    EXPECT_EQ(window->results().row(0).name(), QStringLiteral("a.txt"));
}

TEST_F(MainFrmTest, NewSessionEmptiesTheListsAndResetsTheOptions)
{
    TempTree tree;
    open();
    child<QRadioButton>("Option2")->click();
    child<QCheckBox>("chkIncludeHidden")->click();
    prompter.expectFolder(QStringLiteral("Choose Folder to Search"), tree.root());
    ModalAnswer::when<FolderFrm>([](FolderFrm *f) { f->okButton->click(); },
                                 [](FolderFrm *f) { return !f->folderEdit->text().isEmpty(); });
    child<QToolButton>("cmdAdd")->click();
    ASSERT_EQ(window->locations().size(), 1);

    action("MNewSession")->trigger();
    EXPECT_TRUE(window->locations().empty());
    EXPECT_TRUE(window->results().isEmpty());
    EXPECT_EQ(window->engine(), ScanOptions::ByteToByte);
    EXPECT_TRUE(child<QCheckBox>("chkProtect")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("chkIncludeHidden")->isChecked());
    EXPECT_FALSE(child<QToolButton>("cmdRemove")->isEnabled());
    EXPECT_EQ(panelText(MainFrm::Panel::Activity),
              QStringLiteral("Add search path and click on the scan button to start search."));
    EXPECT_FALSE(window->panel(MainFrm::Panel::Duplicates)->isVisibleTo(window.get()));
    EXPECT_FALSE(window->panel(MainFrm::Panel::Files)->isVisibleTo(window.get()));
    EXPECT_FALSE(window->panel(MainFrm::Panel::Folders)->isVisibleTo(window.get()));
    EXPECT_EQ(panelText(MainFrm::Panel::Clock), QStringLiteral("00:00:00"));
    EXPECT_EQ(child<ResultView>("RLV")->sortMarkColumn(), -1);
}

TEST_F(MainFrmTest, HelpEntriesOpenTheManualAtTheirSection)
{
    open();
    action("MHelpTopics")->trigger();
    auto *help = window->findChild<HelpFrm *>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->findChild<QTextBrowser *>()->toPlainText().contains(QStringLiteral("Adding search locations")));
    action("mnuFaq")->trigger();
    EXPECT_EQ(help->section(), QStringLiteral("faq"));
    action("mnuHelponline")->trigger();
    EXPECT_EQ(help->section(), QStringLiteral("contents"));
}
