// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/DuplicateTotals.h"

#include "results/ResultModel.h"

DuplicateTotals duplicateTotals(const ResultModel &model)
{
    DuplicateTotals totals;
    const std::vector<ResultRow> &rows = model.rows();
    for (size_t i = 1; i < rows.size(); ++i)
    {
        if (rows[i].group == 0 || rows[i].group != rows[i - 1].group)
            continue;
        ++totals.count;
        totals.size += rows[i].size;
    }
    return totals;
}
