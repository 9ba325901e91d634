// SPDX-License-Identifier: GPL-3.0-or-later
// Building the main window, one group of controls at a time: menus, toolbar, status bar, the
// search setup, the result list and the timers.
#include "app/MainFrm.h"

#include "app/ElidedLabel.h"
#include "app/ScanProgressBar.h"
#include "app/ToolbarIcons.h"
#include "results/ResultModel.h"
#include "results/ResultView.h"
#include "search/SearchListView.h"
#include "search/SearchLocationModel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using ToolbarIcons::Picture;

QAction *MainFrm::action(QMenu *menu, const char *name, const QString &caption)
{
    auto *a = new QAction(caption, this);
    a->setObjectName(QString::fromLatin1(name));
    menu->addAction(a);
    return a;
}

void MainFrm::createMenus()
{
    // An "&" marks each caption's access key: Alt and the letter opens a menu, the letter alone
    // picks an entry of an open menu. Letters are unique within each menu; a translation keeps
    // them so.
    createFileMenu();
    createEditMenu();
    createActionMenu();
    createHelpMenu();
    createShortcuts();
}

void MainFrm::createFileMenu()
{
    m_fileMenu = menuBar()->addMenu(tr("&File"));
    m_fileMenu->setObjectName(QStringLiteral("MnuFile"));
    m_scanAction = action(m_fileMenu, "MScan", tr("&Scan"));
    //: File menu: stops the running scan.
    m_cancelAction = action(m_fileMenu, "MCancel", tr("&Cancel"));
    m_fileMenu->addSeparator();
    m_addLocationAction = action(m_fileMenu, "MAddLocation", tr("&Add Location..."));
    m_removeLocationAction = action(m_fileMenu, "MRemoveLocation", tr("&Remove Location"));
    m_fileMenu->addSeparator();
    m_newSessionAction = action(m_fileMenu, "MNewSession", tr("&New Session"));
    m_loadSessionAction = action(m_fileMenu, "MLoadSession", tr("&Load Session"));
    //: File menu: the session files saved or opened last.
    m_recentMenu = m_fileMenu->addMenu(tr("Open Recen&t"));
    m_recentMenu->setObjectName(QStringLiteral("mnuOpenRecent"));
    m_saveSessionAction = action(m_fileMenu, "MSaveSession", tr("Sa&ve Session"));
    m_fileMenu->addSeparator();
    m_exportAction = action(m_fileMenu, "MExport", tr("&Export"));
    m_fileMenu->addSeparator();
    m_pictureViewerAction = action(m_fileMenu, "MPicViewer", tr("Show &Picture Viewer"));
    m_pictureViewerAction->setCheckable(true);
    m_recycleBinAction = action(m_fileMenu, "MSendToRecycleBin", tr("Send to Recycle &Bin"));
    m_recycleBinAction->setCheckable(true);
    m_fileMenu->addSeparator();
    //: File menu: closes the main window and ends Corvina.
    m_closeAction = action(m_fileMenu, "MClose", tr("Cl&ose"));
}

void MainFrm::createEditMenu()
{
    m_editMenu = menuBar()->addMenu(tr("&Edit"));
    m_editMenu->setObjectName(QStringLiteral("MEdit"));
    //: Edit menu: puts back the files of the last trash or move, or removes the last copies.
    m_undoAction = action(m_editMenu, "MUndoCleanUp", tr("&Undo Last Clean-up"));
}

void MainFrm::createActionMenu()
{
    m_actionMenu = menuBar()->addMenu(tr("&Action"));
    m_actionMenu->setObjectName(QStringLiteral("MAction"));
    createMarkMenu();
    m_advancedMarkingAction = action(m_actionMenu, "mnuAdvMarkForm", tr("Ad&vance Marking"));
    m_actionMenu->addSeparator();
    //: Action menu: copies the marked files to a folder.
    m_copyAction = action(m_actionMenu, "MCopyMarkFiles", tr("&Copy"));
    m_moveAction = action(m_actionMenu, "MMoveSelected", tr("&Move "));
    m_deleteAction = action(m_actionMenu, "MDelete", tr("&Delete"));
    m_hardLinkAction = action(m_actionMenu, "mnuLinkHard", tr("Replace with &hard links"));
    m_cloneAction = action(m_actionMenu, "mnuLinkClone", tr("Replace with clo&nes"));
    m_renameAction = action(m_actionMenu, "MRename", tr("&Rename"));
    m_actionMenu->addSeparator();
    m_removeFromListAction = action(m_actionMenu, "mnuRemoveFromResult", tr("Remove from result &list"));
    //: Action menu: the focused row's folder becomes a reference folder of this list.
    m_keepFolderAction = action(m_actionMenu, "mnuKeepFolder", tr("Keep Every File in &This Folder"));
    m_stopKeepingAction = action(m_actionMenu, "mnuStopKeepingFolder", tr("&Stop Keeping This Folder"));
    m_actionMenu->addSeparator();
    m_openFileAction = action(m_actionMenu, "MOpenFile", tr("&Open File"));
    m_openFolderAction = action(m_actionMenu, "MOpenFolder", tr("Open &Folder"));
    m_openMarkedAction = action(m_actionMenu, "mnuOpenAllMarkFiles", tr("Open Mar&k Files"));
    m_actionMenu->addSeparator();
    m_copyPathAction = action(m_actionMenu, "MCopyPath", tr("Copy &path to clipboard"));
    m_actionMenu->addSeparator();
    m_propertiesAction = action(m_actionMenu, "MFileProperties", tr("File Propert&ies"));
}

void MainFrm::createMarkMenu()
{
    m_markMenu = m_actionMenu->addMenu(tr("Mark &Quick"));
    m_markMenu->setObjectName(QStringLiteral("MMark"));
    //: Mark Quick menu: unmarks every row.
    m_unmarkAllAction = action(m_markMenu, "MNone", tr("&None"));
    m_markAllAction = action(m_markMenu, "MMarkAll", tr("Mark &All"));
    m_markMenu->addSeparator();
    m_markSelectedAction = action(m_markMenu, "MMarkingSelected", tr("Mark &Selected"));
    m_unmarkSelectedAction = action(m_markMenu, "mnuUnMarkSelected", tr("&UnMark Selected"));
    //: Mark menu: marks the rows the filter box above the results shows.
    m_markShownAction = action(m_markMenu, "mnuMarkShown", tr("Mark Sho&wn"));
    m_unmarkShownAction = action(m_markMenu, "mnuUnmarkShown", tr("Unmark S&hown"));
    m_duplicatesSeparator = m_markMenu->addSeparator();
    m_duplicatesSeparator->setObjectName(QStringLiteral("MarkSep2"));
    m_markDuplicatesAction = action(m_markMenu, "MMarkAllDuplicates", tr("Mark All &Duplicates"));
    m_markUpToAction = action(m_markMenu, "mnuAdvMarking", tr("Mark All Duplicates up&to..."));
    m_markMenu->addSeparator();
    m_markFolderAction = action(m_markMenu, "MMarkFolder", tr("Mark &Folder"));
    m_markSubFoldersAction = action(m_markMenu, "mnuFolderAndSubFolder", tr("Mark Folder and Su&b Folders"));
    // The scan shows either "Mark All" or the duplicate-group entries; groups come first.
    m_markAllAction->setVisible(false);
}

void MainFrm::createHelpMenu()
{
    m_helpMenu = menuBar()->addMenu(tr("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("MHelp"));
    m_helpTopicsAction = action(m_helpMenu, "MHelpTopics", tr("&Help Topics"));
    m_tipAction = action(m_helpMenu, "mnuTip", tr("&Tip of the day"));
    //: Help menu: lists the last clean-ups (trash, delete, move, copy) Corvina did.
    m_journalAction = action(m_helpMenu, "mnuJournal", tr("&What Corvina Did"));
    m_helpMenu->addSeparator();
    m_faqAction = action(m_helpMenu, "mnuFaq", tr("&FAQ"));
    m_helpOnlineAction = action(m_helpMenu, "mnuHelponline", tr("Help &Online"));
    m_helpMenu->addSeparator();
    m_tellAFriendAction = action(m_helpMenu, "mnuTellaFriend", tr("I &Like Corvina"));
    m_helpMenu->addSeparator();
    m_aboutAction = action(m_helpMenu, "MAbout", tr("&About Corvina"));
}

void MainFrm::createShortcuts()
{
    // The keys people know from other desktop programs. Esc cancels a scan through m_escapeButton.
    const std::pair<QAction *, QList<QKeySequence>> keys[] = {
        {m_scanAction, {Qt::Key_F5, Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter}},
        {m_addLocationAction, {Qt::Key_Insert}},
        {m_loadSessionAction, {QKeySequence(QKeySequence::Open)}},
        {m_saveSessionAction, {QKeySequence(QKeySequence::Save)}},
        {m_exportAction, {Qt::CTRL | Qt::Key_E}},
        {m_closeAction, {Qt::CTRL | Qt::Key_Q}},
        {m_deleteAction, {Qt::Key_Delete}},
        {m_renameAction, {Qt::Key_F2}},
        {m_undoAction, {QKeySequence(QKeySequence::Undo)}},
        {m_helpTopicsAction, {Qt::Key_F1}},
    };
    for (const auto &[entry, sequences] : keys)
        entry->setShortcuts(sequences);
}

void MainFrm::createToolbar()
{
    //: The toolbar's name, where the desktop lists the window's toolbars.
    m_toolbar = addToolBar(tr("Toolbar"));
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar->setIconSize(QSize(24, 24));

    struct ToolbarEntry
    {
        int index;
        const char *caption; // translated where it is shown
        const char *tooltip;
        Picture picture;
    };
    const ToolbarEntry buttons[] = {
        {ScanButton, QT_TR_NOOP("Scan"), QT_TR_NOOP("Click here to start your search"), Picture::Scan},
        {CancelButton, QT_TR_NOOP("Cancel"), QT_TR_NOOP("Cancel current process"), Picture::Cancel},
        {MarkButton, QT_TR_NOOP("Mark"),
         QT_TR_NOOP("Select the desire marking option for deletion/moving/copeing files"), Picture::Mark},
        {CopyButton, QT_TR_NOOP("Copy"), QT_TR_NOOP("Click here to copy all marked files"), Picture::Copy},
        {MoveButton, QT_TR_NOOP("Move"), QT_TR_NOOP("Click here to move all marked files"), Picture::Move},
        {DeleteButton, QT_TR_NOOP("Delete"), QT_TR_NOOP("Click here to delete all marked files"), Picture::Delete},
        {RenameButton, QT_TR_NOOP("Rename"), QT_TR_NOOP("Click here to rename selected file"), Picture::Rename},
        {ExportButton, QT_TR_NOOP("Export"), QT_TR_NOOP("Export the result to selected format"), Picture::Export},
        {ViewerButton, QT_TR_NOOP("Viewer"), QT_TR_NOOP("Show/Hide picture viewer"), Picture::ViewerOn},
        {RecycleButton, QT_TR_NOOP("Recycle"), QT_TR_NOOP("Set the default deletion destination"), Picture::Recycle},
    };
    for (const ToolbarEntry &b : buttons)
    {
        if (b.index == MarkButton || b.index == ExportButton)
            m_toolbar->addSeparator();
        QAction *a = m_toolbar->addAction(ToolbarIcons::icon(b.picture), tr(b.caption));
        a->setObjectName(QStringLiteral("Button%1").arg(b.index));
        a->setCheckable(b.index == RecycleButton);
        a->setToolTip(tr(b.tooltip));
        connect(a, &QAction::triggered, this, [this, i = b.index] { runToolbarButton(i); });
        m_buttons[static_cast<size_t>(b.index)] = a;
    }
}

void MainFrm::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    const int em = fontMetrics().horizontalAdvance(u'M');
    const int widths[5] = {12 * em, 16 * em, 7 * em, 7 * em, 5 * em};
    for (int i = 0; i < 5; ++i)
    {
        auto *label = new ElidedLabel(bar);
        label->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(widths[i]);
        if (i == 0)
            bar->addWidget(label, 1);
        else
            bar->addPermanentWidget(label);
        m_panels[static_cast<size_t>(i)] = label;
    }
    // Beside the activity text, while a scan or a load runs.
    m_progressBar = new ScanProgressBar(bar);
    m_progressBar->hide();
    bar->addWidget(m_progressBar);
}

void MainFrm::createControls()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);

    auto *top = new QHBoxLayout;
    createLocationControls(central, top);
    createEngineControls(central);
    top->addWidget(m_engineBox);

    m_resultView = new ResultView(central);
    m_resultView->setResultModel(m_results);
    m_filterEdit = new QLineEdit(central);
    m_filterEdit->setObjectName(QStringLiteral("txtFilter"));
    m_filterEdit->setPlaceholderText(tr("Filter by name or folder"));
    m_filterEdit->setClearButtonEnabled(true);

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 2);
    layout->addLayout(top, 0);
    layout->addWidget(m_filterEdit, 0);
    layout->addWidget(m_resultView, 1);
    m_leftOutLabel = new QLabel(central);
    m_leftOutLabel->setObjectName(QStringLiteral("lblLeftOut"));
    m_leftOutLabel->setWordWrap(true);
    layout->addWidget(m_leftOutLabel);

    createEscapeButton(central);
    orderTabs();
}

void MainFrm::createLocationControls(QWidget *central, QBoxLayout *row)
{
    m_locationView = new SearchListView(central);
    m_locationView->setLocationModel(m_locations);

    auto makeButton = [central](const char *name, const QString &caption, Picture picture, const QString &tip) {
        auto *b = new QToolButton(central);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(caption);
        b->setToolTip(tip);
        b->setIcon(ToolbarIcons::icon(picture));
        b->setIconSize(QSize(24, 24));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        return b;
    };
    //: The button that adds a search location.
    m_addButton = makeButton("cmdAdd", tr("Add"), Picture::Add, tr("Add a folder to search or to exclude"));
    //: The button that removes the selected search location.
    m_removeButton = makeButton("cmdRemove", tr("Remove"), Picture::Remove, tr("Remove the selected location"));
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_addButton);
    buttons->addWidget(m_removeButton);
    buttons->addStretch(1);

    row->addWidget(m_locationView, 1);
    row->addLayout(buttons);
}

void MainFrm::createEngineControls(QWidget *central)
{
    m_engineBox = new QGroupBox(tr("Search Engine"), central);
    m_engineBox->setObjectName(QStringLiteral("Frame1"));
    m_engineChoices = new QWidget(m_engineBox);
    m_engineChoices->setObjectName(QStringLiteral("Frame2"));
    m_engines = new QButtonGroup(this);
    const char *captions[7] = {nullptr,
                               QT_TR_NOOP("Byte to Byte"),
                               QT_TR_NOOP("Cyclic Redundancy Check (CRC32)"),
                               QT_TR_NOOP("Same Name Files"),
                               QT_TR_NOOP("Zero Size Files"),
                               QT_TR_NOOP("Duplicate Folders"),
                               QT_TR_NOOP("Similar Pictures")};
    auto *engines = new QVBoxLayout(m_engineChoices);
    engines->setContentsMargins(0, 0, 0, 0);
    engines->setSpacing(2);
    for (int id = ScanOptions::ByteToByte; id <= ScanOptions::Pictures; ++id)
    {
        auto *option = new QRadioButton(tr(captions[id]), m_engineChoices);
        option->setObjectName(QStringLiteral("Option%1").arg(id));
        m_engines->addButton(option, id);
        engines->addWidget(option);
        m_engineButtons[static_cast<size_t>(id)] = option;
    }
    m_fuzzyCheck = new QCheckBox(tr("Use Fuzzy Logic"), m_engineBox);
    m_fuzzyCheck->setObjectName(QStringLiteral("chkFuzzy"));
    m_containedCheck = new QCheckBox(tr("Contained Folders"), m_engineBox);
    m_containedCheck->setObjectName(QStringLiteral("chkContained"));
    m_containedCheck->setToolTip(tr("Also list the folders whose every file has a copy outside them"));
    m_containedCheck->setEnabled(false);
    m_engineButtons[ScanOptions::Pictures]->setToolTip(
        tr("Pictures alike to the eye: the same photo in other sizes, formats and light edits"));
    //: Beside the combo box of how alike pictures must be: Strict, Close or Loose.
    m_similarityLabel = new QLabel(tr("Similarity:"), m_engineBox);
    m_similarityLabel->setObjectName(QStringLiteral("lblSimilarity"));
    m_similarityCombo = new QComboBox(m_engineBox);
    m_similarityCombo->setObjectName(QStringLiteral("cboSimilarity"));
    for (const PictureLevel level : PictureGroups::levels())
        m_similarityCombo->addItem(PictureGroups::levelName(level), static_cast<int>(level));
    m_similarityCombo->setCurrentIndex(m_similarityCombo->findData(static_cast<int>(PictureGroups::DefaultLevel)));
    m_similarityCombo->setToolTip(tr("How alike pictures must be to share a group: Strict finds the same picture "
                                     "resized or re-saved, Close also light crops and edits, Loose heavier edits"));
    m_similarityLabel->setBuddy(m_similarityCombo);
    auto *similarity = new QHBoxLayout;
    similarity->setSpacing(4);
    similarity->addWidget(m_similarityLabel);
    similarity->addWidget(m_similarityCombo, 1);
    m_protectCheck = new QCheckBox(tr("Protect System Folders"), m_engineBox);
    m_protectCheck->setObjectName(QStringLiteral("chkProtect"));
    m_includeHiddenCheck = new QCheckBox(tr("Include Hidden Folders and Files"), m_engineBox);
    m_includeHiddenCheck->setObjectName(QStringLiteral("chkIncludeHidden"));
    auto *frame = new QGridLayout(m_engineBox);
    frame->setVerticalSpacing(2);
    frame->addWidget(m_engineChoices, 0, 0, 6, 1);
    frame->addWidget(m_fuzzyCheck, 0, 1, Qt::AlignTop);
    frame->addWidget(m_containedCheck, 4, 1, Qt::AlignBottom);
    frame->addLayout(similarity, 5, 1, Qt::AlignBottom);
    frame->addWidget(m_protectCheck, 6, 0, 1, 2);
    frame->addWidget(m_includeHiddenCheck, 7, 0, 1, 2);
    m_engineBox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void MainFrm::createEscapeButton(QWidget *central)
{
    // Off the visible area: only Esc reaches it. It never takes the focus, which a person could
    // not see. Nobody sees its caption either, so it is not translated.
    m_escapeButton = new QPushButton(QStringLiteral("When Ecs button press do Cancel"), central);
    m_escapeButton->setObjectName(QStringLiteral("Command1"));
    m_escapeButton->setGeometry(-400, -100, 300, 30);
    m_escapeButton->setFocusPolicy(Qt::NoFocus);
}

void MainFrm::createTimers()
{
    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("Timer1"));
    m_clockTimer->setInterval(1000);
    m_endSoundTimer = new QTimer(this);
    m_endSoundTimer->setObjectName(QStringLiteral("Timer2"));
    m_endSoundTimer->setInterval(500);
    m_endSoundTimer->setSingleShot(true);
}

void MainFrm::orderTabs()
{
    // As the controls stand: the locations and their buttons, the engine and its options, then
    // the result list. The engine's option buttons are one stop, their arrow keys pick one.
    QWidget *order[] = {m_locationView,     m_addButton,          m_removeButton,     m_engineButtons[1],
                        m_engineButtons[2], m_engineButtons[3],   m_engineButtons[4], m_engineButtons[5],
                        m_engineButtons[6], m_fuzzyCheck,         m_containedCheck,   m_similarityCombo,
                        m_protectCheck,     m_includeHiddenCheck, m_filterEdit,       m_resultView};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    m_addButton->setFocusPolicy(Qt::TabFocus);
    m_removeButton->setFocusPolicy(Qt::TabFocus);
    // Where the keyboard starts: the first control.
    m_locationView->setFocus();
}
