// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/RowFilter.h"

#include "results/ResultModel.h"

namespace RowFilter
{
bool shows(const ResultRow &row, const QString &text)
{
    return text.isEmpty() || row.name.contains(text, Qt::CaseInsensitive) ||
           row.path.contains(text, Qt::CaseInsensitive);
}

std::vector<int> shownRows(const ResultModel &model, const QString &text)
{
    std::vector<int> rows;
    for (int r = 0; r < model.size(); ++r)
    {
        if (shows(model.row(r), text))
            rows.push_back(r);
    }
    return rows;
}
} // namespace RowFilter
