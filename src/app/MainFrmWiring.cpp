// SPDX-License-Identifier: GPL-3.0-or-later
// Connecting the main window: menu entries, the search setup's controls, the timers, and the
// command controllers with the list's events.
#include "app/MainFrm.h"

#include "actions/ActionCommands.h"
#include "actions/JournalCommands.h"
#include "core/ErrorReport.h"
#include "results/MarkingCommands.h"
#include "results/ResultListToggles.h"
#include "results/ResultModel.h"
#include "results/ResultView.h"
#include "results/RowFilter.h"
#include "results/WarningFrm.h"
#include "search/SearchListView.h"
#include "search/SearchLocationModel.h"
#include "search/SizeLimitDialog.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

void MainFrm::wireCommands()
{
    const std::pair<QAction *, void (MainFrm::*)()> entries[] = {
        {m_scanAction, &MainFrm::startScan},
        {m_cancelAction, &MainFrm::cancelScan},
        {m_addLocationAction, &MainFrm::addLocation},
        {m_removeLocationAction, &MainFrm::removeLocation},
        {m_loadSessionAction, &MainFrm::showLoadSessionDialog},
        {m_saveSessionAction, &MainFrm::showSaveSessionDialog},
        {m_exportAction, &MainFrm::exportResults},
        {m_pictureViewerAction, &MainFrm::togglePictureViewer},
        {m_recycleBinAction, &MainFrm::toggleRecycleBin},
        {m_closeAction, &MainFrm::closeWindow},
        {m_helpTopicsAction, &MainFrm::showHelpTopics},
        {m_tipAction, &MainFrm::showTipOfTheDay},
        {m_faqAction, &MainFrm::showFaq},
        {m_helpOnlineAction, &MainFrm::showHelpContents},
        {m_tellAFriendAction, &MainFrm::showTellAFriend},
        {m_aboutAction, &MainFrm::showAbout},
    };
    for (const auto &[entry, slot] : entries)
        connect(entry, &QAction::triggered, this, slot);
    connect(m_newSessionAction, &QAction::triggered, this, [this] {
        if (marksMayGo())
            startNewSession();
    });
    connect(m_undoAction, &QAction::triggered, this, [this] {
        runStep(m_errors, QStringLiteral("Undo Last Clean-up"), [this] {
            if (const QString done = JournalCommands::undoLastCleanUp(m_prompter); !done.isEmpty())
                setPanel(Panel::Activity, done);
        });
    });
    connect(m_journalAction, &QAction::triggered, this, [this] { JournalCommands::showJournal(m_prompter); });
    connect(m_resultView, &ResultView::columnClicked, this, &MainFrm::sortByHeader);
    connect(m_clockTimer, &QTimer::timeout, this, &MainFrm::showElapsedTime);
    connect(m_endSoundTimer, &QTimer::timeout, this, &MainFrm::playEndSound);
    connect(m_escapeButton, &QPushButton::clicked, this, &MainFrm::cancelByEscape);
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, m_escapeButton, &QPushButton::click);
}

void MainFrm::wireSearchSetup()
{
    connect(m_fuzzyCheck, &QCheckBox::clicked, this, &MainFrm::explainFuzzyLogic);
    connect(m_protectCheck, &QCheckBox::clicked, this, &MainFrm::confirmUnprotect);
    connect(m_engines, &QButtonGroup::idClicked, this, &MainFrm::chooseEngine);
    connect(m_addButton, &QToolButton::clicked, this, &MainFrm::addLocation);
    connect(m_removeButton, &QToolButton::clicked, this, &MainFrm::removeLocation);
    connect(m_locationView, &SearchListView::listDoubleClicked, this, &MainFrm::changeLocation);
    // The limits stay in sight whoever changes them: the user, a session, the command line.
    connect(m_includeHiddenCheck, &QCheckBox::toggled, this, &MainFrm::showLeftOut);
    connect(m_containedCheck, &QCheckBox::toggled, this, &MainFrm::applyFilter);
    connect(m_engines, &QButtonGroup::idToggled, this, &MainFrm::showLeftOut);
    connect(m_locations, &SearchLocationModel::modelReset, this, &MainFrm::showLeftOut);
    connect(m_locations, &SearchLocationModel::rowsInserted, this, &MainFrm::showLeftOut);
    connect(m_locations, &SearchLocationModel::rowsRemoved, this, &MainFrm::showLeftOut);
    connect(m_locations, &SearchLocationModel::dataChanged, this, &MainFrm::showLeftOut);
    connect(m_locationView, &SearchListView::changeRequested, this, &MainFrm::changeLocation);
    connect(m_locationView, &SearchListView::removeRequested, this, [this] {
        if (m_removeButton->isEnabled())
            removeLocation();
    });
}

void MainFrm::connectCommand(QAction *action, const QString &label, const std::function<void()> &command)
{
    connect(action, &QAction::triggered, this, [this, label, command] { runStep(m_errors, label, command); });
}

void MainFrm::wireMarking()
{
    MarkingCommands::Hooks hooks;
    hooks.selectedRows = [this] { return selectedResultRows(); };
    hooks.shownRows = [this] {
        return RowFilter::shownRows(*m_results, m_filterEdit->text(), m_containedCheck->isChecked());
    };
    hooks.focusedRow = [this] { return focusedResultRow(); };
    hooks.status = [this](const QString &text) { setPanel(Panel::Activity, text); };
    hooks.askSizeLimit = [this] { return SizeLimitDialog::ask(m_prompter, m_settings, this); };
    m_marking = new MarkingCommands(*m_results, std::move(hooks), this);
    MarkingCommands *m = m_marking;

    // The labels name the command in the error report.
    connectCommand(m_unmarkAllAction, tr("Mark None"), [m] { m->unmarkAll(); });
    connectCommand(m_markAllAction, tr("Mark All"), [m] { m->markAll(); });
    connectCommand(m_markSelectedAction, tr("Mark Selected"), [m] { m->markSelected(); });
    connectCommand(m_unmarkSelectedAction, tr("UnMark Selected"), [m] { m->unmarkSelected(); });
    connectCommand(m_markShownAction, tr("Mark Shown"), [m] { m->markShown(); });
    connectCommand(m_unmarkShownAction, tr("Unmark Shown"), [m] { m->unmarkShown(); });
    connect(m_filterEdit, &QLineEdit::textChanged, this, &MainFrm::applyFilter);
    connect(m_keepFolderAction, &QAction::triggered, this, &MainFrm::keepFocusedFolder);
    connect(m_stopKeepingAction, &QAction::triggered, this, &MainFrm::stopKeepingFocusedFolder);
    // A new list (a scan, a load, a sort) is filtered as the box says.
    connect(m_results, &QAbstractItemModel::modelReset, this, &MainFrm::applyFilter);
    connect(m_results, &QAbstractItemModel::layoutChanged, this, &MainFrm::applyFilter);
    connect(m_results, &QAbstractItemModel::rowsInserted, this, &MainFrm::applyFilter);
    connect(m_results, &QAbstractItemModel::rowsRemoved, this, &MainFrm::applyFilter);
    // The kind of list decides which rows show, and it is known once the rows are anchored.
    connect(m_results, &QAbstractItemModel::headerDataChanged, this, &MainFrm::applyFilter);
    connectCommand(m_markFolderAction, tr("Mark Folder"), [m] { m->markFolder(); });
    connectCommand(m_markSubFoldersAction, tr("Mark Folder and Sub Folders"), [m] { m->markFolderAndSubFolders(); });
    connectCommand(m_markDuplicatesAction, tr("Mark All Duplicates"), [m] { m->markAllDuplicates(); });
    connectCommand(m_markUpToAction, tr("Mark All Duplicates"), [m] { m->markDuplicatesUpTo(); });
    connect(m_advancedMarkingAction, &QAction::triggered, this, &MainFrm::showAdvancedMarking);
    connect(m, &MarkingCommands::listSorted, this, &MainFrm::onListSorted);

    // The list's own toggles: a click near the left edge flips the row's mark, a double click
    // there marks or unmarks the selection, the space bar does the same.
    new ResultListToggles(m_resultView, *m);
    connect(m_resultView, &ResultView::pointerDown, this, [this](int x) { m_pointerTwips = x; });
    m_resultView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_resultView, &ResultView::customContextMenuRequested, this, &MainFrm::showActionMenu);
}

void MainFrm::wireActions()
{
    ActionCommands::Hooks hooks;
    hooks.window = this;
    hooks.status = [this](const QString &text) { setPanel(Panel::Activity, text); };
    hooks.focusedRow = [this] { return focusedResultRow(); };
    hooks.pointerTwips = [this] { return m_pointerTwips; };
    hooks.keepOneWarning = [this](const std::vector<int> &rows) {
        return WarningFrm::ask(*m_results, m_prompter, rows, this);
    };
    hooks.markSelected = [this] { m_marking->markSelected(); };
    hooks.unmarkSelected = [this] { m_marking->unmarkSelected(); };
    hooks.endSound = [this] { startEndSound(); };
    hooks.rowsLeft = [this] { countWhatIsLeft(); };
    m_actions = new ActionCommands(*m_results, m_prompter, m_errors, m_settings, std::move(hooks), this);
    ActionCommands *a = m_actions;

    const std::pair<QAction *, void (ActionCommands::*)()> entries[] = {
        {m_copyAction, &ActionCommands::copyMarkedFiles},
        {m_moveAction, &ActionCommands::moveMarkedFiles},
        {m_deleteAction, &ActionCommands::deleteMarkedFiles},
        {m_hardLinkAction, &ActionCommands::replaceWithHardLinks},
        {m_cloneAction, &ActionCommands::replaceWithClones},
        {m_renameAction, &ActionCommands::renameFile},
        {m_removeFromListAction, &ActionCommands::removeMarkedFromList},
        {m_openFileAction, &ActionCommands::openFile},
        {m_openFolderAction, &ActionCommands::openFolder},
        {m_openMarkedAction, &ActionCommands::openMarkedFiles},
        {m_copyPathAction, &ActionCommands::copyPath},
        {m_propertiesAction, &ActionCommands::showFileProperties},
    };
    for (const auto &[entry, slot] : entries)
        connect(entry, &QAction::triggered, a, slot);
    connect(m_marking, &MarkingCommands::openFileRequested, a, &ActionCommands::openRow);
    connect(m_resultView, &ResultView::keyUp, this, &MainFrm::previewOnArrowKey);
    connect(m_resultView, &ResultView::mouseUp, a, [a](Qt::MouseButton button) {
        if (button != Qt::RightButton)
            a->previewAfterClick();
    });
}
