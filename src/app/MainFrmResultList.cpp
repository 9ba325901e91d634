// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's result list: sorting by a column, the selection the commands act on, the
// list's menus and the advanced marking window.
#include "app/MainFrm.h"

#include "actions/ActionCommands.h"
#include "actions/CommonDlg.h"
#include "core/ErrorReport.h"
#include "results/AdvMarkFrm.h"
#include "results/MarkingRules.h"
#include "results/ResultModel.h"
#include "results/ResultView.h"
#include "results/RowFilter.h"
#include "search/FileMasks.h"
#include "search/SearchLocationModel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
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
    for (int r = 0; r < m_results->size(); ++r)
        m_resultView->setRowHidden(r, !showsRow(r));
}

bool MainFrm::showsRow(int row) const
{
    return RowFilter::showsRow(*m_results, row, m_filterEdit->text(), m_containedCheck->isChecked());
}

namespace
{
// A row's folder ("/a/b/") as the location list writes a folder ("/a/b").
QString asLocation(QString folder)
{
    if (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    return folder;
}
} // namespace

void MainFrm::keepFocusedFolder()
{
    const int row = focusedResultRow();
    if (row < 0 || m_results->row(row).reference)
        return;
    const QString folder = m_results->row(row).path;
    m_results->keepFolder(folder);
    // The location list shows the folder as a reference location, and the next search keeps it so.
    SearchLocation kept;
    kept.folder = asLocation(folder);
    kept.mask = FileMasks::allFiles();
    kept.minSize = QStringLiteral("0");
    kept.icon = SearchLocation::ReferenceIcon;
    m_locations->add(kept);
    setPanel(Panel::Activity, MarkingRules::recount(*m_results).summary());
}

void MainFrm::stopKeepingFocusedFolder()
{
    const int row = focusedResultRow();
    if (row < 0 || !m_results->row(row).kept)
        return;
    const QString folder = m_results->keptFolderHolding(m_results->row(row).path);
    m_results->stopKeeping(folder);
    const SearchLocationList &list = m_locations->locations();
    for (int i = 0; i < list.size(); ++i)
    {
        if (list.at(i).folder == asLocation(folder) && list.at(i).reference())
        {
            m_locations->remove(i);
            break;
        }
    }
}
