// SPDX-License-Identifier: GPL-3.0-or-later
// Building the main window: menus, toolbar, status bar and controls.
#include "app/MainFrm.h"

#include "app/ScanProgressBar.h"
#include "app/ToolbarIcons.h"
#include "results/ResultModel.h"
#include "results/ResultView.h"
#include "search/SearchListView.h"
#include "search/SearchLocationModel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
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
    // picks an entry of an open menu. Letters are unique within each menu.
    QMenuBar *bar = menuBar();

    m_fileMenu = bar->addMenu(QStringLiteral("&File"));
    m_fileMenu->setObjectName(QStringLiteral("MnuFile"));
    m_scanAction = action(m_fileMenu, "MScan", QStringLiteral("&Scan"));
    m_cancelAction = action(m_fileMenu, "MCancel", QStringLiteral("&Cancel"));
    m_fileMenu->addSeparator();
    m_addLocationAction = action(m_fileMenu, "MAddLocation", QStringLiteral("&Add Location..."));
    m_removeLocationAction = action(m_fileMenu, "MRemoveLocation", QStringLiteral("&Remove Location"));
    m_fileMenu->addSeparator();
    m_newSessionAction = action(m_fileMenu, "MNewSession", QStringLiteral("&New Session"));
    m_loadSessionAction = action(m_fileMenu, "MLoadSession", QStringLiteral("&Load Session"));
    m_saveSessionAction = action(m_fileMenu, "MSaveSession", QStringLiteral("Sa&ve Session"));
    m_fileMenu->addSeparator();
    m_exportAction = action(m_fileMenu, "MExport", QStringLiteral("&Export"));
    m_fileMenu->addSeparator();
    m_pictureViewerAction = action(m_fileMenu, "MPicViewer", QStringLiteral("Show &Picture Viewer"));
    m_pictureViewerAction->setCheckable(true);
    m_recycleBinAction = action(m_fileMenu, "MSendToRecycleBin", QStringLiteral("Send to Recycle &Bin"));
    m_recycleBinAction->setCheckable(true);
    m_fileMenu->addSeparator();
    m_closeAction = action(m_fileMenu, "MClose", QStringLiteral("Cl&ose"));

    m_actionMenu = bar->addMenu(QStringLiteral("&Action"));
    m_actionMenu->setObjectName(QStringLiteral("MAction"));
    m_markMenu = m_actionMenu->addMenu(QStringLiteral("Mark &Quick"));
    m_markMenu->setObjectName(QStringLiteral("MMark"));
    m_unmarkAllAction = action(m_markMenu, "MNone", QStringLiteral("&None"));
    m_markAllAction = action(m_markMenu, "MMarkAll", QStringLiteral("Mark &All"));
    m_markMenu->addSeparator();
    m_markSelectedAction = action(m_markMenu, "MMarkingSelected", QStringLiteral("Mark &Selected"));
    m_unmarkSelectedAction = action(m_markMenu, "mnuUnMarkSelected", QStringLiteral("&UnMark Selected"));
    m_duplicatesSeparator = m_markMenu->addSeparator();
    m_duplicatesSeparator->setObjectName(QStringLiteral("MarkSep2"));
    m_markDuplicatesAction = action(m_markMenu, "MMarkAllDuplicates", QStringLiteral("Mark All &Duplicates"));
    m_markUpToAction = action(m_markMenu, "mnuAdvMarking", QStringLiteral("Mark All Duplicates up&to..."));
    m_markMenu->addSeparator();
    m_markFolderAction = action(m_markMenu, "MMarkFolder", QStringLiteral("Mark &Folder"));
    m_markSubFoldersAction =
        action(m_markMenu, "mnuFolderAndSubFolder", QStringLiteral("Mark Folder and Su&b Folders"));
    m_advancedMarkingAction = action(m_actionMenu, "mnuAdvMarkForm", QStringLiteral("Ad&vance Marking"));
    m_actionMenu->addSeparator();
    m_copyAction = action(m_actionMenu, "MCopyMarkFiles", QStringLiteral("&Copy"));
    m_moveAction = action(m_actionMenu, "MMoveSelected", QStringLiteral("&Move "));
    m_deleteAction = action(m_actionMenu, "MDelete", QStringLiteral("&Delete"));
    m_hardLinkAction = action(m_actionMenu, "mnuLinkHard", QStringLiteral("Replace with &hard links"));
    m_cloneAction = action(m_actionMenu, "mnuLinkClone", QStringLiteral("Replace with clo&nes"));
    m_renameAction = action(m_actionMenu, "MRename", QStringLiteral("&Rename"));
    m_actionMenu->addSeparator();
    m_removeFromListAction = action(m_actionMenu, "mnuRemoveFromResult", QStringLiteral("Remove from result &list"));
    m_actionMenu->addSeparator();
    m_openFileAction = action(m_actionMenu, "MOpenFile", QStringLiteral("&Open File"));
    m_openFolderAction = action(m_actionMenu, "MOpenFolder", QStringLiteral("Open &Folder"));
    m_openMarkedAction = action(m_actionMenu, "mnuOpenAllMarkFiles", QStringLiteral("Open Mar&k Files"));
    m_actionMenu->addSeparator();
    m_copyPathAction = action(m_actionMenu, "MCopyPath", QStringLiteral("Copy &path to clipboard"));
    m_actionMenu->addSeparator();
    m_propertiesAction = action(m_actionMenu, "MFileProperties", QStringLiteral("File Propert&ies"));

    m_helpMenu = bar->addMenu(QStringLiteral("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("MHelp"));
    m_helpTopicsAction = action(m_helpMenu, "MHelpTopics", QStringLiteral("&Help Topics"));
    m_tipAction = action(m_helpMenu, "mnuTip", QStringLiteral("&Tip of the day"));
    m_helpMenu->addSeparator();
    m_faqAction = action(m_helpMenu, "mnuFaq", QStringLiteral("&FAQ"));
    m_helpOnlineAction = action(m_helpMenu, "mnuHelponline", QStringLiteral("Help &Online"));
    m_helpMenu->addSeparator();
    m_tellAFriendAction = action(m_helpMenu, "mnuTellaFriend", QStringLiteral("I &Like Corvina"));
    m_helpMenu->addSeparator();
    m_aboutAction = action(m_helpMenu, "MAbout", QStringLiteral("&About Corvina"));

    // The scan shows either "Mark All" or the duplicate-group entries; groups come first.
    m_markAllAction->setVisible(false);
    createShortcuts();
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
        {m_helpTopicsAction, {Qt::Key_F1}},
    };
    for (const auto &[entry, sequences] : keys)
        entry->setShortcuts(sequences);
}

void MainFrm::createToolbar()
{
    m_toolbar = addToolBar(QStringLiteral("Toolbar"));
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar->setIconSize(QSize(24, 24));

    struct ToolbarEntry
    {
        int index;
        const char *caption;
        const char *tooltip;
        Picture picture;
    };
    const ToolbarEntry buttons[] = {
        {ScanButton, "Scan", "Click here to start your search", Picture::Scan},
        {CancelButton, "Cancel", "Cancel current process", Picture::Cancel},
        {MarkButton, "Mark", "Select the desire marking option for deletion/moving/copeing files", Picture::Mark},
        {CopyButton, "Copy", "Click here to copy all marked files", Picture::Copy},
        {MoveButton, "Move", "Click here to move all marked files", Picture::Move},
        {DeleteButton, "Delete", "Click here to delete all marked files", Picture::Delete},
        {RenameButton, "Rename", "Click here to rename selected file", Picture::Rename},
        {ExportButton, "Export", "Export the result to selected format", Picture::Export},
        {ViewerButton, "Viewer", "Show/Hide picture viewer", Picture::ViewerOn},
        {RecycleButton, "Recycle", "Set the default deletion destination", Picture::Recycle},
    };
    for (const ToolbarEntry &b : buttons)
    {
        if (b.index == MarkButton || b.index == ExportButton)
            m_toolbar->addSeparator();
        QAction *a = m_toolbar->addAction(ToolbarIcons::icon(b.picture), QString::fromLatin1(b.caption));
        a->setObjectName(QStringLiteral("Button%1").arg(b.index));
        a->setToolTip(QString::fromLatin1(b.tooltip));
        connect(a, &QAction::triggered, this, [this, i = b.index] { runToolbarButton(i); });
        m_buttons[static_cast<size_t>(b.index)] = a;
    }
}

void MainFrm::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    const int em = fontMetrics().horizontalAdvance(u'M');
    const int widths[5] = {0, 16 * em, 7 * em, 7 * em, 5 * em};
    for (int i = 0; i < 5; ++i)
    {
        auto *label = new QLabel(bar);
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
    m_addButton = makeButton("cmdAdd", QStringLiteral("Add"), Picture::Add,
                             QStringLiteral("Add a folder to search or to exclude"));
    m_removeButton = makeButton("cmdRemove", QStringLiteral("Remove"), Picture::Remove,
                                QStringLiteral("Remove the selected location"));
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_addButton);
    buttons->addWidget(m_removeButton);
    buttons->addStretch(1);

    m_engineBox = new QGroupBox(QStringLiteral("Search Engine"), central);
    m_engineBox->setObjectName(QStringLiteral("Frame1"));
    m_engineChoices = new QWidget(m_engineBox);
    m_engineChoices->setObjectName(QStringLiteral("Frame2"));
    m_engines = new QButtonGroup(this);
    const char *captions[5] = {nullptr, "Byte to Byte", "Cyclic Redundancy Check (CRC32)", "Same Name Files",
                               "Zero Size Files"};
    auto *engines = new QVBoxLayout(m_engineChoices);
    engines->setContentsMargins(0, 0, 0, 0);
    engines->setSpacing(2);
    for (int id = 1; id <= 4; ++id)
    {
        auto *option = new QRadioButton(QString::fromLatin1(captions[id]), m_engineChoices);
        option->setObjectName(QStringLiteral("Option%1").arg(id));
        m_engines->addButton(option, id);
        engines->addWidget(option);
        m_engineButtons[static_cast<size_t>(id)] = option;
    }
    m_fuzzyCheck = new QCheckBox(QStringLiteral("Use Fuzzy Logic"), m_engineBox);
    m_fuzzyCheck->setObjectName(QStringLiteral("chkFuzzy"));
    m_protectCheck = new QCheckBox(QStringLiteral("Protect System Folders"), m_engineBox);
    m_protectCheck->setObjectName(QStringLiteral("chkProtect"));
    m_includeHiddenCheck = new QCheckBox(QStringLiteral("Include Hidden Folders and Files"), m_engineBox);
    m_includeHiddenCheck->setObjectName(QStringLiteral("chkIncludeHidden"));
    auto *frame = new QGridLayout(m_engineBox);
    frame->setVerticalSpacing(2);
    frame->addWidget(m_engineChoices, 0, 0, 4, 1);
    frame->addWidget(m_fuzzyCheck, 0, 1, Qt::AlignTop);
    frame->addWidget(m_protectCheck, 4, 0, 1, 2);
    frame->addWidget(m_includeHiddenCheck, 5, 0, 1, 2);
    m_engineBox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);

    auto *top = new QHBoxLayout;
    top->addWidget(m_locationView, 1);
    top->addLayout(buttons);
    top->addWidget(m_engineBox);

    m_resultView = new ResultView(central);
    m_resultView->setResultModel(m_results);

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 2);
    layout->addLayout(top, 0);
    layout->addWidget(m_resultView, 1);

    // Off the visible area: only Esc reaches it. It never takes the focus, which a person could
    // not see.
    m_escapeButton = new QPushButton(QStringLiteral("When Ecs button press do Cancel"), central);
    m_escapeButton->setObjectName(QStringLiteral("Command1"));
    m_escapeButton->setGeometry(-400, -100, 300, 30);
    m_escapeButton->setFocusPolicy(Qt::NoFocus);
    orderTabs();
}

void MainFrm::orderTabs()
{
    // As the controls stand: the locations and their buttons, the engine and its options, then
    // the result list. The engine's option buttons are one stop, their arrow keys pick one.
    QWidget *order[] = {m_locationView,     m_addButton,          m_removeButton,     m_engineButtons[1],
                        m_engineButtons[2], m_engineButtons[3],   m_engineButtons[4], m_fuzzyCheck,
                        m_protectCheck,     m_includeHiddenCheck, m_resultView};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    m_addButton->setFocusPolicy(Qt::TabFocus);
    m_removeButton->setFocusPolicy(Qt::TabFocus);
    // Where the keyboard starts: the first control.
    m_locationView->setFocus();
}
