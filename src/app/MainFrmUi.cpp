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

    MnuFile = bar->addMenu(QStringLiteral("&File"));
    MnuFile->setObjectName(QStringLiteral("MnuFile"));
    MScan = action(MnuFile, "MScan", QStringLiteral("&Scan"));
    MCancel = action(MnuFile, "MCancel", QStringLiteral("&Cancel"));
    MnuFile->addSeparator();
    MAddLocation = action(MnuFile, "MAddLocation", QStringLiteral("&Add Location..."));
    MRemoveLocation = action(MnuFile, "MRemoveLocation", QStringLiteral("&Remove Location"));
    MnuFile->addSeparator();
    MNewSession = action(MnuFile, "MNewSession", QStringLiteral("&New Session"));
    MLoadSession = action(MnuFile, "MLoadSession", QStringLiteral("&Load Session"));
    MSaveSession = action(MnuFile, "MSaveSession", QStringLiteral("Sa&ve Session"));
    MnuFile->addSeparator();
    MExport = action(MnuFile, "MExport", QStringLiteral("&Export"));
    MnuFile->addSeparator();
    MPicViewer = action(MnuFile, "MPicViewer", QStringLiteral("Show &Picture Viewer"));
    MPicViewer->setCheckable(true);
    MSendToRecycleBin = action(MnuFile, "MSendToRecycleBin", QStringLiteral("Send to Recycle &Bin"));
    MSendToRecycleBin->setCheckable(true);
    MnuFile->addSeparator();
    MClose = action(MnuFile, "MClose", QStringLiteral("Cl&ose"));

    MAction = bar->addMenu(QStringLiteral("&Action"));
    MAction->setObjectName(QStringLiteral("MAction"));
    MMark = MAction->addMenu(QStringLiteral("Mark &Quick"));
    MMark->setObjectName(QStringLiteral("MMark"));
    MNone = action(MMark, "MNone", QStringLiteral("&None"));
    MMarkAll = action(MMark, "MMarkAll", QStringLiteral("Mark &All"));
    MMark->addSeparator();
    MMarkingSelected = action(MMark, "MMarkingSelected", QStringLiteral("Mark &Selected"));
    mnuUnMarkSelected = action(MMark, "mnuUnMarkSelected", QStringLiteral("&UnMark Selected"));
    MarkSep2 = MMark->addSeparator();
    MarkSep2->setObjectName(QStringLiteral("MarkSep2"));
    MMarkAllDuplicates = action(MMark, "MMarkAllDuplicates", QStringLiteral("Mark All &Duplicates"));
    mnuAdvMarking = action(MMark, "mnuAdvMarking", QStringLiteral("Mark All Duplicates up&to..."));
    MMark->addSeparator();
    MMarkFolder = action(MMark, "MMarkFolder", QStringLiteral("Mark &Folder"));
    mnuFolderAndSubFolder = action(MMark, "mnuFolderAndSubFolder", QStringLiteral("Mark Folder and Su&b Folders"));
    mnuAdvMarkForm = action(MAction, "mnuAdvMarkForm", QStringLiteral("Ad&vance Marking"));
    MAction->addSeparator();
    MCopyMarkFiles = action(MAction, "MCopyMarkFiles", QStringLiteral("&Copy"));
    MMoveSelected = action(MAction, "MMoveSelected", QStringLiteral("&Move "));
    MDelete = action(MAction, "MDelete", QStringLiteral("&Delete"));
    mnuLinkHard = action(MAction, "mnuLinkHard", QStringLiteral("Replace with &hard links"));
    mnuLinkClone = action(MAction, "mnuLinkClone", QStringLiteral("Replace with clo&nes"));
    MRename = action(MAction, "MRename", QStringLiteral("&Rename"));
    MAction->addSeparator();
    mnuRemoveFromResult = action(MAction, "mnuRemoveFromResult", QStringLiteral("Remove from result &list"));
    MAction->addSeparator();
    MOpenFile = action(MAction, "MOpenFile", QStringLiteral("&Open File"));
    MOpenFolder = action(MAction, "MOpenFolder", QStringLiteral("Open &Folder"));
    mnuOpenAllMarkFiles = action(MAction, "mnuOpenAllMarkFiles", QStringLiteral("Open Mar&k Files"));
    MAction->addSeparator();
    MCopyPath = action(MAction, "MCopyPath", QStringLiteral("Copy &path to clipboard"));
    MAction->addSeparator();
    MFileProperties = action(MAction, "MFileProperties", QStringLiteral("File Propert&ies"));

    MHelp = bar->addMenu(QStringLiteral("&Help"));
    MHelp->setObjectName(QStringLiteral("MHelp"));
    MHelpTopics = action(MHelp, "MHelpTopics", QStringLiteral("&Help Topics"));
    mnuTip = action(MHelp, "mnuTip", QStringLiteral("&Tip of the day"));
    MHelp->addSeparator();
    mnuFaq = action(MHelp, "mnuFaq", QStringLiteral("&FAQ"));
    mnuHelponline = action(MHelp, "mnuHelponline", QStringLiteral("Help &Online"));
    MHelp->addSeparator();
    mnuTellaFriend = action(MHelp, "mnuTellaFriend", QStringLiteral("I &Like Corvina"));
    MHelp->addSeparator();
    MAbout = action(MHelp, "MAbout", QStringLiteral("&About Corvina"));

    // The scan shows either "Mark All" or the duplicate-group entries; groups come first.
    MMarkAll->setVisible(false);
    createShortcuts();
}

void MainFrm::createShortcuts()
{
    // The keys people know from other desktop programs. Esc cancels a scan through Command1.
    const std::pair<QAction *, QList<QKeySequence>> keys[] = {
        {MScan, {Qt::Key_F5, Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter}},
        {MAddLocation, {Qt::Key_Insert}},
        {MLoadSession, {QKeySequence(QKeySequence::Open)}},
        {MSaveSession, {QKeySequence(QKeySequence::Save)}},
        {MExport, {Qt::CTRL | Qt::Key_E}},
        {MClose, {Qt::CTRL | Qt::Key_Q}},
        {MDelete, {Qt::Key_Delete}},
        {MRename, {Qt::Key_F2}},
        {MHelpTopics, {Qt::Key_F1}},
    };
    for (const auto &[entry, sequences] : keys)
        entry->setShortcuts(sequences);
}

void MainFrm::createToolbar()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar1->setIconSize(QSize(24, 24));

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
            Toolbar1->addSeparator();
        QAction *a = Toolbar1->addAction(ToolbarIcons::icon(b.picture), QString::fromLatin1(b.caption));
        a->setObjectName(QStringLiteral("Button%1").arg(b.index));
        a->setToolTip(QString::fromLatin1(b.tooltip));
        connect(a, &QAction::triggered, this, [this, i = b.index] { Toolbar1_ButtonClick(i); });
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

    SearchList = new SearchListView(central);
    SearchList->setLocationModel(m_locations);

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
    cmdAdd = makeButton("cmdAdd", QStringLiteral("Add"), Picture::Add,
                        QStringLiteral("Add a folder to search or to exclude"));
    cmdRemove = makeButton("cmdRemove", QStringLiteral("Remove"), Picture::Remove,
                           QStringLiteral("Remove the selected location"));
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdRemove);
    buttons->addStretch(1);

    Frame1 = new QGroupBox(QStringLiteral("Search Engine"), central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame2 = new QWidget(Frame1);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    m_engines = new QButtonGroup(this);
    const char *captions[5] = {nullptr, "Byte to Byte", "Cyclic Redundancy Check (CRC32)", "Same Name Files",
                               "Zero Size Files"};
    auto *engines = new QVBoxLayout(Frame2);
    engines->setContentsMargins(0, 0, 0, 0);
    engines->setSpacing(2);
    for (int id = 1; id <= 4; ++id)
    {
        auto *option = new QRadioButton(QString::fromLatin1(captions[id]), Frame2);
        option->setObjectName(QStringLiteral("Option%1").arg(id));
        m_engines->addButton(option, id);
        engines->addWidget(option);
        Option[static_cast<size_t>(id)] = option;
    }
    chkFuzzy = new QCheckBox(QStringLiteral("Use Fuzzy Logic"), Frame1);
    chkFuzzy->setObjectName(QStringLiteral("chkFuzzy"));
    chkProtect = new QCheckBox(QStringLiteral("Protect System Folders"), Frame1);
    chkProtect->setObjectName(QStringLiteral("chkProtect"));
    chkIncludeHidden = new QCheckBox(QStringLiteral("Include Hidden Folders and Files"), Frame1);
    chkIncludeHidden->setObjectName(QStringLiteral("chkIncludeHidden"));
    auto *frame = new QGridLayout(Frame1);
    frame->setVerticalSpacing(2);
    frame->addWidget(Frame2, 0, 0, 4, 1);
    frame->addWidget(chkFuzzy, 0, 1, Qt::AlignTop);
    frame->addWidget(chkProtect, 4, 0, 1, 2);
    frame->addWidget(chkIncludeHidden, 5, 0, 1, 2);
    Frame1->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);

    auto *top = new QHBoxLayout;
    top->addWidget(SearchList, 1);
    top->addLayout(buttons);
    top->addWidget(Frame1);

    RLV = new ResultView(central);
    RLV->setResultModel(m_results);

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 2);
    layout->addLayout(top, 0);
    layout->addWidget(RLV, 1);

    // Off the visible area: only Esc reaches it. It never takes the focus, which a person could
    // not see.
    Command1 = new QPushButton(QStringLiteral("When Ecs button press do Cancel"), central);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(-400, -100, 300, 30);
    Command1->setFocusPolicy(Qt::NoFocus);
    orderTabs();
}

void MainFrm::orderTabs()
{
    // As the controls stand: the locations and their buttons, the engine and its options, then
    // the result list. The engine's option buttons are one stop, their arrow keys pick one.
    QWidget *order[] = {SearchList, cmdAdd,   cmdRemove,  Option[1],        Option[2], Option[3],
                        Option[4],  chkFuzzy, chkProtect, chkIncludeHidden, RLV};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    cmdAdd->setFocusPolicy(Qt::TabFocus);
    cmdRemove->setFocusPolicy(Qt::TabFocus);
    // Where the keyboard starts: the first control.
    SearchList->setFocus();
}
