// SPDX-License-Identifier: GPL-3.0-or-later
// The quick-marking rules of the result list: "None", "Mark All", marking by selection and by
// folder, "Mark All Duplicates" (with and without a size limit) and the toggles of a single row.
#pragma once

#include <QString>

#include <optional>
#include <vector>

class ResultModel;
struct ResultRow;

/// The marked-files summary: N marked rows and T, the sum of their sizes.
struct MarkTally
{
    qint64 count = 0;
    double total = 0;

    /// "Total Files Marked N Size ..." for status-bar panel 1.
    QString summary() const;
};

/// How a command left the list sorted: the column whose header shows the sort mark
/// (ResultRow::Column) and the direction.
struct ListSort
{
    int column = 0;
    bool ascending = true;

    bool operator==(const ListSort &) const = default;
};

/// What a marking command did: the summary to show and, when it sorted the list, how.
struct MarkOutcome
{
    MarkTally tally;
    std::optional<ListSort> sorted;
};

namespace MarkingRules
{
/// A click or double click toggles marks only this close to the list's left edge (twips).
inline constexpr int ToggleZoneTwips = 300;

inline bool inToggleZone(int xTwips)
{
    return xTwips <= ToggleZoneTwips;
}

/// N and T over the rows that are marked now.
MarkTally recount(const ResultModel &model);

/// Every row unmarked.
MarkTally markNone(ResultModel &model);
/// Every row marked.
MarkTally markAll(ResultModel &model);
/// The given rows (0-based; others are ignored) marked or unmarked; other rows keep their marks.
MarkTally markRows(ResultModel &model, const std::vector<int> &rows, bool marked);
/// Rows whose folder equals the focused row's folder (exact text) marked; others keep theirs.
/// Nothing when the list is empty or no row has the focus.
std::optional<MarkTally> markFolder(ResultModel &model, int focusedRow);
/// Rows whose folder begins with the focused row's folder (exact text; folders end with "/", so
/// this is the folder and every folder below it) marked. Nothing without a focused row.
std::optional<MarkTally> markFolderAndSubFolders(ResultModel &model, int focusedRow);
/// Rows whose folder begins with folder (exact text ending with "/": the folder and every folder
/// below it) marked; other rows keep their marks, and every row keeps its place.
MarkTally markFolderTree(ResultModel &model, const QString &folder);
/// Flips the mark of one row. Nothing when the row does not exist.
std::optional<MarkTally> toggle(ResultModel &model, int row);

/// Sorts the list by group and marks every row except, in each group, the one with the greatest
/// key (duplicateKey compared as text without regard to case): the newest file, and among files
/// of the same second the one whose position reads greatest as text (row 9 before row 10). In a
/// list of similar pictures it keeps the group's largest picture (PictureRows::largerPicture, the
/// first listed of equals), the one the search put first.
MarkOutcome markAllDuplicates(ResultModel &model);
/// The marks of markAllDuplicates on the list as it stands, without sorting it: each run of rows
/// of one group number is a group, and positions are those of the rows where they stand.
MarkTally markAllDuplicatesAsListed(ResultModel &model);

/// Sorts the list by group, unmarks every row, then marks the rows that are not the first of
/// their group (in a list of similar pictures: not its largest picture) while the marked total
/// stays within limitKb kilobytes; the first row that would go beyond it ends the walk. In list
/// order, or with largeFilesFirst largest first (rows of equal size in list order). Rebands the
/// list.
MarkOutcome markAllDuplicatesUpTo(ResultModel &model, double limitKb, bool largeFilesFirst);

/// The key of a row at 1-based position for "Mark All Duplicates": its date stamp formatted
/// "000000000000", "?", the position.
QString duplicateKey(const ResultRow &row, qint64 position);

/// A text formatted with "000000000000": a number rounded to a whole one with at least twelve
/// digits; any other text as it stands ("" stays "").
QString formatTwelveDigits(const QString &text);
} // namespace MarkingRules
