// SPDX-License-Identifier: GPL-3.0-or-later
// The delimited text export of the result list (for databases and spreadsheets).
#pragma once

#include "core/ErrorReport.h"
#include "sessions/ExportChoice.h"
#include "sessions/ProgressHooks.h"

#include <QString>

namespace DelimitedExport
{
/// The "ExportChar" choices.
enum class Delimiter
{
    Tab = 1,   // "TAB": a single blank, as Corvina has always written it
    Comma = 2, // "Comma"
    Semi = 3,  // "Semi-colen"
    Other = 4, // "Other Character String": the text typed, of any length, empty included
};

/// The separator text of a choice; other is the typed text.
QString delimiterText(Delimiter choice, const QString &other);

/// The file's text: the header line, then one line per exported row in list order (columns 0 to
/// 5 as shown), each line ending with CR LF. A field holding the delimiter, a double quote or a
/// line break is enclosed in double quotes (inner quotes doubled), so that a spreadsheet keeps
/// its columns; with a delimiter that is empty, only blanks, or holds a double quote, fields are
/// written as they stand.
QString text(const ResultModel &model, const QString &delimiter, const ExportChoice &choice,
             const ProgressHooks &progress = {});

/// Writes the export to path: whether a file can be written there is checked first, then the
/// file is replaced whole (an existing file keeps its bytes when anything fails). Failures go to
/// the report as "Exporting CSV". False for an empty path or after Abort.
bool exportDelimited(const QString &path, const ResultModel &model, const QString &delimiter,
                     const ExportChoice &choice, ErrorReporter &errors, const ProgressHooks &progress = {});
} // namespace DelimitedExport
