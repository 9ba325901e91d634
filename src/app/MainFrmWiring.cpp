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
#include "search/frmMaxSize.h"

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
    hooks.askSizeLimit = [this] { return frmMaxSize::ask(m_prompter, m_settings, this); };
    m_marking = new MarkingCommands(*m_results, std::move(hooks), this);
    MarkingCommands *m = m_marking;

    connectCommand(MNone, QStringLiteral("Mark None"), [m] { m->MNone_Click(); });
    connectCommand(MMarkAll, QStringLiteral("Mark All"), [m] { m->MMarkAll_Click(); });
    connectCommand(MMarkingSelected, QStringLiteral("Mark Selected"), [m] { m->MMarkingSelected_Click(); });
    connectCommand(mnuUnMarkSelected, QStringLiteral("UnMark Selected"), [m] { m->mnuUnMarkSelected_Click(); });
    connectCommand(MMarkFolder, QStringLiteral("Mark Folder"), [m] { m->MMarkFolder_Click(); });
    connectCommand(mnuFolderAndSubFolder, QStringLiteral("Mark Folder and Sub Folders"),
                   [m] { m->mnuFolderAndSubFolder_Click(); });
    connectCommand(MMarkAllDuplicates, QStringLiteral("Mark All Duplicates"), [m] { m->MMarkAllDuplicates_Click(); });
    connectCommand(mnuAdvMarking, QStringLiteral("Mark All Duplicates"), [m] { m->mnuAdvMarking_Click(); });
    connect(mnuAdvMarkForm, &QAction::triggered, this, &MainFrm::mnuAdvMarkForm_Click);
    connect(m, &MarkingCommands::listSorted, this, &MainFrm::onListSorted);

    // The list's own toggles: a click near the left edge flips the row's mark, a double click
    // there marks or unmarks the selection, the space bar does the same.
    new ResultListToggles(RLV, *m);
    connect(RLV, &ResultView::pointerDown, this, [this](int x) { m_pointerTwips = x; });
    RLV->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RLV, &ResultView::customContextMenuRequested, this, &MainFrm::RLV_ContextMenu);
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
    hooks.markSelected = [this] { m_marking->MMarkingSelected_Click(); };
    hooks.unmarkSelected = [this] { m_marking->mnuUnMarkSelected_Click(); };
    hooks.endSound = [this] { startEndSound(); };
    hooks.pictureViewerOn = [this] { return m_viewerImage == Settings::ViewerOn; };
    m_actions = new ActionCommands(*m_results, m_prompter, m_errors, m_settings, std::move(hooks), this);
    ActionCommands *a = m_actions;

    const std::pair<QAction *, void (ActionCommands::*)()> entries[] = {
        {MCopyMarkFiles, &ActionCommands::MCopyMarkFiles_Click},
        {MMoveSelected, &ActionCommands::MMoveSelected_Click},
        {MDelete, &ActionCommands::MDelete_Click},
        {mnuLinkHard, &ActionCommands::mnuLinkHard_Click},
        {mnuLinkClone, &ActionCommands::mnuLinkClone_Click},
        {MRename, &ActionCommands::MRename_Click},
        {mnuRemoveFromResult, &ActionCommands::mnuRemoveFromResult_Click},
        {MOpenFile, &ActionCommands::MOpenFile_Click},
        {MOpenFolder, &ActionCommands::MOpenFolder_Click},
        {mnuOpenAllMarkFiles, &ActionCommands::mnuOpenAllMarkFiles_Click},
        {MCopyPath, &ActionCommands::MCopyPath_Click},
        {MFileProperties, &ActionCommands::MFileProperties_Click},
    };
    for (const auto &[entry, slot] : entries)
        connect(entry, &QAction::triggered, a, slot);
    connect(m_marking, &MarkingCommands::openFileRequested, a, &ActionCommands::openRow);
    connect(RLV, &ResultView::keyUp, this, &MainFrm::RLV_KeyUp);
    connect(RLV, &ResultView::mouseUp, a, [a](Qt::MouseButton button) {
        if (button != Qt::RightButton)
            a->RLV_MouseUp_Preview();
    });
    connect(a, &ActionCommands::pictureViewerDisabled, this, [this] { setViewerImage(9); });
}

void MainFrm::RLV_KeyUp(int key)
{
    if (key == Qt::Key_Up || key == Qt::Key_Down)
        m_actions->RLV_KeyUp_Preview();
}

void MainFrm::mnuAdvMarkForm_Click()
{
    if (!m_advMarking)
    {
        m_advMarking = new AdvMarkFrm(*m_marking, m_prompter, m_settings, this);
        CommonDlg::CenterForm(m_advMarking);
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

void MainFrm::RLV_ContextMenu(const QPoint &at)
{
    MAction->popup(RLV->viewport()->mapToGlobal(at));
}

void MainFrm::onListSorted(int column, Qt::SortOrder order)
{
    const bool ascending = order == Qt::AscendingOrder;
    RLV->setSortMark(column, ascending);
    m_sort = {true, ascending};
    if (!MMarkAll->isVisible())
        m_results->RebandRows();
}

std::vector<int> MainFrm::selectedResultRows() const
{
    std::vector<int> rows;
    for (const QModelIndex &index : RLV->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int MainFrm::focusedResultRow() const
{
    const QModelIndex current = RLV->currentIndex();
    return current.isValid() ? current.row() : -1;
}
