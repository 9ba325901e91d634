// SPDX-License-Identifier: GPL-3.0-or-later
// The filter box above the results: the rows whose name or folder holds the text typed.
#pragma once

#include <QString>

#include <vector>

class ResultModel;
struct ResultRow;

namespace RowFilter
{
/// True when text is empty or the row's name or folder holds it, whatever the letters' case.
bool shows(const ResultRow &row, const QString &text);
/// shows(), and in a list of folders the folders with nothing unique (the rows in no group)
/// only with loneFolders.
bool showsRow(const ResultModel &model, int row, const QString &text, bool loneFolders = true);
/// The rows showsRow() shows, in list order.
std::vector<int> shownRows(const ResultModel &model, const QString &text, bool loneFolders = true);
} // namespace RowFilter
