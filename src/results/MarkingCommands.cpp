// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/MarkingCommands.h"

#include "results/ResultModel.h"

#include <numeric>

MarkingCommands::MarkingCommands(ResultModel &model, Hooks hooks, QObject *parent)
    : QObject(parent), m_model(model), m_hooks(std::move(hooks))
{}

void MarkingCommands::show(const MarkTally &tally)
{
    if (m_hooks.status)
        m_hooks.status(tally.summary());
}

void MarkingCommands::show(const MarkOutcome &outcome)
{
    if (outcome.sorted)
        Q_EMIT listSorted(outcome.sorted->column, outcome.sorted->ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    show(outcome.tally);
}

std::vector<int> MarkingCommands::selectedRows() const
{
    return m_hooks.selectedRows ? m_hooks.selectedRows() : std::vector<int>{};
}

std::vector<int> MarkingCommands::shownRows() const
{
    if (m_hooks.shownRows)
        return m_hooks.shownRows();
    std::vector<int> all(static_cast<size_t>(m_model.size()));
    std::iota(all.begin(), all.end(), 0);
    return all;
}

int MarkingCommands::focusedRow() const
{
    return m_hooks.focusedRow ? m_hooks.focusedRow() : -1;
}

void MarkingCommands::markSelection(bool marked)
{
    show(MarkingRules::markRows(m_model, selectedRows(), marked));
}

void MarkingCommands::unmarkAll()
{
    show(MarkingRules::markNone(m_model));
}

void MarkingCommands::markAll()
{
    show(MarkingRules::markAll(m_model));
}

void MarkingCommands::markSelected()
{
    markSelection(true);
}

void MarkingCommands::unmarkSelected()
{
    markSelection(false);
}

void MarkingCommands::markShown()
{
    show(MarkingRules::markRows(m_model, shownRows(), true));
}

void MarkingCommands::unmarkShown()
{
    show(MarkingRules::markRows(m_model, shownRows(), false));
}

void MarkingCommands::markFolder()
{
    if (const auto tally = MarkingRules::markFolder(m_model, focusedRow()))
        show(*tally);
}

void MarkingCommands::markFolderAndSubFolders()
{
    if (const auto tally = MarkingRules::markFolderAndSubFolders(m_model, focusedRow()))
        show(*tally);
}

void MarkingCommands::markAllDuplicates()
{
    show(MarkingRules::markAllDuplicates(m_model));
}

void MarkingCommands::markDuplicatesUpTo()
{
    const std::optional<SizeLimits::UpTo> answer =
        m_hooks.askSizeLimit ? m_hooks.askSizeLimit() : std::optional(SizeLimits::UpTo{});
    // A cancelled dialog leaves every mark as it was.
    if (!answer)
        return;
    show(MarkingRules::markAllDuplicatesUpTo(m_model, answer->limitKb, answer->largeFilesFirst));
}

void MarkingCommands::clearAllMarks()
{
    show(MarkingRules::markNone(m_model));
}

void MarkingCommands::markByRange(const RangeOptions &options)
{
    show(AdvancedMarking::markByRange(m_model, options));
}

void MarkingCommands::markByFolders(std::vector<FolderTick> &folders, bool includeSubFolders, const QString &mask)
{
    show(AdvancedMarking::markByFolders(m_model, folders, includeSubFolders, mask));
}

void MarkingCommands::toggleMarkAtPointer()
{
    if (!MarkingRules::inToggleZone(m_pointerTwips))
        return;
    if (const auto tally = MarkingRules::toggle(m_model, focusedRow()))
        show(*tally);
}

void MarkingCommands::markOrOpenAtPointer()
{
    const int row = focusedRow();
    if (m_model.isEmpty() || row < 0 || row >= m_model.size())
        return;
    if (!MarkingRules::inToggleZone(m_pointerTwips))
    {
        Q_EMIT openFileRequested(row);
        return;
    }
    markSelection(!m_model.isMarked(row));
}

bool MarkingCommands::markSelectionBySpace()
{
    const int row = focusedRow();
    if (row < 0 || row >= m_model.size())
        return false;
    markSelection(!m_model.isMarked(row));
    return true;
}
