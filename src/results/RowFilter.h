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
/// The rows shown for text, in list order.
std::vector<int> shownRows(const ResultModel &model, const QString &text);
} // namespace RowFilter
