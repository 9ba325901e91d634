// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's result list: sorting by a column, the selection the commands act on, the
// list's menus and the advanced marking window.
#include "app/MainFrm.h"

#include "actions/ActionCommands.h"
#include "actions/CommonDlg.h"
#include "core/ErrorReport.h"
#include "results/AdvMarkFrm.h"
#include "results/ResultModel.h"
#include "results/ResultView.h"
#include "results/RowFilter.h"

#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>

#include <algorithm>

namespace
{
// The busy cursor while a long command runs, also when it ends by an exception.
struct WaitCursor
{
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};
} // namespace

void MainFrm::sortByHeader(int column)
{
    sortByColumn(column + 1, QStringLiteral("None"));
}

void MainFrm::sortByColumn(int col, const QString &sortOrder)
{
    //: The step named in the error report; %1 is the column's number.
    runStep(m_errors, tr("Sorting Column : %1").arg(col), [&] {
        const std::optional<int> key = ResultSort::keyColumn(col);
        if (!key)
            return;
        const bool ascending = m_sort.nextAscending(sortOrder == QStringLiteral("None"));
        const WaitCursor wait;
        m_results->sortByColumn(*key, ascending);
        m_sort = {true, ascending};
        m_resultView->setSortMark(col - 1, ascending);
        if (!m_markAllAction->isVisible())
            m_results->rebandRows();
    });
}

void MainFrm::clearSortMarks()
{
    m_resultView->setSortMark(-1, true);
    m_sort.sorted = false;
}

void MainFrm::onListSorted(int column, Qt::SortOrder order)
{
    const bool ascending = order == Qt::AscendingOrder;
    m_resultView->setSortMark(column, ascending);
    m_sort = {true, ascending};
    if (!m_markAllAction->isVisible())
        m_results->rebandRows();
}

void MainFrm::setZeroSizeMenus(bool zeroSize)
{
    m_markAllAction->setVisible(zeroSize);
    m_markDuplicatesAction->setVisible(!zeroSize);
    m_advancedMarkingAction->setVisible(!zeroSize);
    m_duplicatesSeparator->setVisible(!zeroSize);
}

void MainFrm::previewOnArrowKey(int key)
{
    if (key == Qt::Key_Up || key == Qt::Key_Down)
        m_actions->previewAfterKey();
}

void MainFrm::showActionMenu(const QPoint &at)
{
    m_actionMenu->popup(m_resultView->viewport()->mapToGlobal(at));
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

void MainFrm::applyFilter()
{
    const QString text = m_filterEdit->text();
    for (int r = 0; r < m_results->size(); ++r)
        m_resultView->setRowHidden(r, !RowFilter::shows(m_results->row(r), text));
}
