// SPDX-License-Identifier: GPL-3.0-or-later
// The marking commands of the main window as one controller: menu entries, the toolbar's Mark
// pop-up, the list's context menu, the mouse and keyboard toggles and advanced marking all end
// here. The window supplies its list state through hooks and shows what the commands report.
#pragma once

#include "results/AdvancedMarking.h"
#include "results/MarkingRules.h"
#include "search/SizeLimits.h"

#include <QObject>

#include <functional>
#include <vector>

class ResultModel;

class MarkingCommands : public QObject
{
    Q_OBJECT
public:
    /// How the commands reach the window. Every hook may be left empty (no selection, no focused
    /// row, no limit, no status bar).
    struct Hooks
    {
        std::function<std::vector<int>()> selectedRows;                // 0-based rows selected in the list
        std::function<int()> focusedRow;                               // the list's current row, -1 for none
        std::function<std::optional<SizeLimits::UpTo>()> askSizeLimit; // the size-limit dialog; none: cancelled
        std::function<void(const QString &)> status;                   // status-bar panel 1
        std::function<std::vector<int>()> shownRows;                   // rows the filter shows; empty: all
    };

    MarkingCommands(ResultModel &model, Hooks hooks, QObject *parent = nullptr);

    ResultModel &model() const { return m_model; }

    /// Remembers the pointer's horizontal position in the list (twips from its left edge) for the
    /// click and double-click toggles; call on every mouse press over the list.
    void rememberPointer(int xTwips) { m_pointerTwips = xTwips; }
    /// The space bar on the list: "Mark Selected" when the focused row is unmarked, else
    /// "UnMark Selected". False (not handled) when the list has no focused row.
    bool markSelectionBySpace();

    /// "By Range" of advanced marking with its options (the limit already checked).
    void markByRange(const RangeOptions &options);
    /// "By Folders"; folders gets the ticks of sub-folders when includeSubFolders.
    void markByFolders(std::vector<FolderTick> &folders, bool includeSubFolders, const QString &mask);

public Q_SLOTS:
    void unmarkAll();
    void markAll();
    void markSelected();
    void unmarkSelected();
    /// "Mark Shown" and "Unmark Shown": the rows the filter box shows.
    void markShown();
    void unmarkShown();
    void markFolder();
    void markFolderAndSubFolders();
    void markAllDuplicates();
    void markDuplicatesUpTo();
    /// "Clear all marks" of advanced marking.
    void clearAllMarks();

    /// A click on a row: within the toggle zone the focused row's mark flips.
    void toggleMarkAtPointer();
    /// A double click: within the toggle zone marks or unmarks the selection by the focused row's
    /// mark; further right asks the window to open the focused file.
    void markOrOpenAtPointer();

Q_SIGNALS:
    /// A command sorted the list: the window shows the sort mark on that column's header,
    /// remembers the direction for the next header click, and rebands the groups.
    void listSorted(int column, Qt::SortOrder order);
    /// A double click right of the toggle zone: open this row's file.
    void openFileRequested(int row);

private:
    void show(const MarkTally &tally);
    void show(const MarkOutcome &outcome);
    std::vector<int> selectedRows() const;
    std::vector<int> shownRows() const;
    int focusedRow() const;
    void markSelection(bool marked);

    ResultModel &m_model;
    Hooks m_hooks;
    int m_pointerTwips = 0;
};
