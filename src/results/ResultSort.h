// SPDX-License-Identifier: GPL-3.0-or-later
// How a click on a result-list header orders the rows: the key column and the direction.
#pragma once

#include <optional>

namespace ResultSort
{
/// The model column whose values order the rows when the user sorts by the column numbered col
/// (1-based model column: 1 "File Name", 2 "Size(Bytes)", 3 "Last Modified.", 4 "File Version",
/// 5 "Group", 6 "Path", 10 "Ext"). Size, date and group sort by their fixed-width keys (6, 7, 8),
/// so they order as numbers. Nothing for the hidden sort columns 7 to 9.
std::optional<int> keyColumn(int col);

/// The list's sort state: off after a scan, a load or New Session; then ascending or descending.
struct State
{
    bool sorted = false;
    bool ascending = true;

    /// The direction of the next sort. A toggle (a header click) turns an ascending sorted list
    /// descending and anything else ascending; every other request sorts ascending.
    bool nextAscending(bool toggle) const { return !(toggle && sorted && ascending); }
};
} // namespace ResultSort
