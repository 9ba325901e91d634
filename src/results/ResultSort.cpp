// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultSort.h"

#include "results/ResultRow.h"

namespace ResultSort
{
std::optional<int> keyColumn(int col)
{
    switch (col)
    {
    case 1:
        return ResultRow::ColName;
    case 2:
        return ResultRow::ColSortSize;
    case 3:
        return ResultRow::ColSortDate;
    case 4:
        return ResultRow::ColVersion;
    case 5:
        return ResultRow::ColSortGrpno;
    case 6:
        return ResultRow::ColPath;
    case 10:
        return ResultRow::ColExt;
    default:
        return std::nullopt;
    }
}
} // namespace ResultSort
