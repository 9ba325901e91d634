// Wiring the command controllers into the main window: menu entries, toolbar and list events.
#include "app/MainFrm.h"

#include "core/ErrorReport.h"
#include "results/MarkingCommands.h"
#include "results/ResultModel.h"
#include "results/ResultView.h"

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
    hooks.status = [this](const QString &text) { setPanel(1, text); };
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
    connect(m, &MarkingCommands::listSorted, this, &MainFrm::onListSorted);

    // The list's own toggles: a click near the left edge flips the row's mark, a double click
    // there marks or unmarks the selection, the space bar does the same.
    connect(RLV, &ResultView::pointerDown, m, &MarkingCommands::RLV_MouseDown);
    connect(RLV, &ResultView::clicked, this,
            [this, m] { runStep(m_errors, QStringLiteral("RLV ItemClick"), [m] { m->RLV_Click(); }); });
    connect(RLV, &ResultView::doubleClicked, this,
            [this, m] { runStep(m_errors, QStringLiteral("RLV ItemClick"), [m] { m->RLV_DblClick(); }); });
    connect(RLV, &ResultView::keyUp, this, &MainFrm::RLV_KeyUp);
    RLV->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RLV, &ResultView::customContextMenuRequested, this, &MainFrm::RLV_ContextMenu);
}

void MainFrm::RLV_KeyUp(int key)
{
    if (key == Qt::Key_Space)
        runStep(m_errors, QStringLiteral("Key Up"), [this] { m_marking->RLV_KeyPress_Space(); });
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
