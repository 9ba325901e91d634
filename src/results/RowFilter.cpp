// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/RowFilter.h"

#include "results/ResultModel.h"

namespace RowFilter
{
bool shows(const ResultRow &row, const QString &text)
{
    return text.isEmpty() || row.name().contains(text, Qt::CaseInsensitive) ||
           row.path.contains(text, Qt::CaseInsensitive);
}

bool showsRow(const ResultModel &model, int row, const QString &text, bool loneFolders)
{
    const ResultRow &r = model.row(row);
    const bool folderList = model.isFolderList();
    return shows(r, text) && (loneFolders || !folderList || r.group > 0);
}

std::vector<int> shownRows(const ResultModel &model, const QString &text, bool loneFolders)
{
    std::vector<int> rows;
    for (int r = 0; r < model.size(); ++r)
    {
        if (showsRow(model, r, text, loneFolders))
            rows.push_back(r);
    }
    return rows;
}
} // namespace RowFilter
