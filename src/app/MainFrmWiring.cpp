// SPDX-License-Identifier: GPL-3.0-or-later
// Wiring the command controllers into the main window: menu entries, toolbar and list events.
#include "app/MainFrm.h"

#include "actions/ActionCommands.h"
#include "actions/CommonDlg.h"
#include "actions/FileInfoFrm.h"
#include "core/ErrorReport.h"
#include "results/AdvMarkFrm.h"
#include "results/MarkingCommands.h"
#include "results/ResultListToggles.h"
#include "results/ResultModel.h"
#include "results/ResultView.h"
#include "results/WarningFrm.h"
#include "search/SizeLimitDialog.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QMenu>

void MainFrm::connectCommand(QAction *action, const QString &label, const std::function<void()> &command)
{
    connect(action, &QAction::triggered, this, [this, label, command] { runStep(m_errors, label, command); });
}

void MainFrm::wireMarking()
{
    MarkingCommands::Hooks hooks;
    hooks.selectedRows = [this] { return selectedResultRows(); };
    hooks.focusedRow = [this] { return focusedResultRow(); };
    hooks.status = [this](const QString &text) { setPanel(Panel::Activity, text); };
    hooks.askSizeLimit = [this] { return SizeLimitDialog::ask(m_prompter, m_settings, this); };
    m_marking = new MarkingCommands(*m_results, std::move(hooks), this);
    MarkingCommands *m = m_marking;

    connectCommand(m_unmarkAllAction, QStringLiteral("Mark None"), [m] { m->unmarkAll(); });
    connectCommand(m_markAllAction, QStringLiteral("Mark All"), [m] { m->markAll(); });
    connectCommand(m_markSelectedAction, QStringLiteral("Mark Selected"), [m] { m->markSelected(); });
    connectCommand(m_unmarkSelectedAction, QStringLiteral("UnMark Selected"), [m] { m->unmarkSelected(); });
    connectCommand(m_markFolderAction, QStringLiteral("Mark Folder"), [m] { m->markFolder(); });
    connectCommand(m_markSubFoldersAction, QStringLiteral("Mark Folder and Sub Folders"),
                   [m] { m->markFolderAndSubFolders(); });
    connectCommand(m_markDuplicatesAction, QStringLiteral("Mark All Duplicates"), [m] { m->markAllDuplicates(); });
    connectCommand(m_markUpToAction, QStringLiteral("Mark All Duplicates"), [m] { m->markDuplicatesUpTo(); });
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
    hooks.sendToRecycleBin = [this] { return recycleBin(); };
    hooks.status = [this](const QString &text) { setPanel(Panel::Activity, text); };
    hooks.focusedRow = [this] { return focusedResultRow(); };
    hooks.pointerTwips = [this] { return m_pointerTwips; };
    hooks.keepOneWarning = [this](const std::vector<int> &rows) {
        return WarningFrm::ask(*m_results, m_prompter, rows, this);
    };
    hooks.markSelected = [this] { m_marking->markSelected(); };
    hooks.unmarkSelected = [this] { m_marking->unmarkSelected(); };
    hooks.endSound = [this] { startEndSound(); };
    hooks.pictureViewerOn = [this] { return m_viewerImage == Settings::ViewerOn; };
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
    connect(a, &ActionCommands::pictureViewerDisabled, this, [this] { setViewerImage(9); });
}

void MainFrm::previewOnArrowKey(int key)
{
    if (key == Qt::Key_Up || key == Qt::Key_Down)
        m_actions->previewAfterKey();
}

void MainFrm::showAdvancedMarking()
{
    if (!m_advMarking)
    {
        m_advMarking = new AdvMarkFrm(*m_marking, m_prompter, m_settings, this);
        CommonDlg::centerForm(m_advMarking);
    }
    m_advMarking->show();
    m_advMarking->raise();
    m_advMarking->activateWindow();
}

void MainFrm::closeAdvMarkFrm()
{
    if (m_advMarking)
        m_advMarking->close();
    delete m_advMarking;
}

void MainFrm::showActionMenu(const QPoint &at)
{
    m_actionMenu->popup(m_resultView->viewport()->mapToGlobal(at));
}

void MainFrm::onListSorted(int column, Qt::SortOrder order)
{
    const bool ascending = order == Qt::AscendingOrder;
    m_resultView->setSortMark(column, ascending);
    m_sort = {true, ascending};
    if (!m_markAllAction->isVisible())
        m_results->rebandRows();
}

std::vector<int> MainFrm::selectedResultRows() const
{
    std::vector<int> rows;
    for (const QModelIndex &index : m_resultView->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int MainFrm::focusedResultRow() const
{
    const QModelIndex current = m_resultView->currentIndex();
    return current.isValid() ? current.row() : -1;
}
