// SPDX-License-Identifier: GPL-3.0-or-later
// Which rows of the result list an export writes.
#pragma once

#include "results/ResultModel.h"

#include <QString>

#include <vector>

/// The rows choice of the export wizard, numbered as the "ExportType" setting stores it.
enum class ExportRows
{
    All = 1,      // "All Files"
    Marked = 2,   // "Mark Files Only": rows whose mark is set
    Selected = 3, // "Selected Files Only": rows selected in the list
};

class ExportChoice
{
public:
    /// selectedRows: the rows selected in the list view (only read for ExportRows::Selected).
    ExportChoice(const ResultModel &model, ExportRows rows, const std::vector<int> &selectedRows = {});

    bool exports(int row) const;

private:
    const ResultModel &m_model;
    ExportRows m_rows;
    std::vector<bool> m_selected;
};

namespace ExportText
{
/// The label of every failure report of both writers.
inline const QString FailureLabel = QStringLiteral("Exporting CSV");

/// A cell as a reader sees it: name bytes that are not UTF-8 (kept as U+DC80..U+DCFF) are shown
/// as the replacement character, since an export is for reading, not for reaching the file.
QString readable(const QString &text);
} // namespace ExportText
