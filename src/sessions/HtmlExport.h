// SPDX-License-Identifier: GPL-3.0-or-later
// The HTML report of the result list: a summary table, the rows banded by group, a footer bar.
#pragma once

#include "core/ErrorReport.h"
#include "sessions/ExportChoice.h"
#include "sessions/ProgressHooks.h"

#include <QDateTime>
#include <QString>

namespace HtmlExport
{
/// The main window's figures at the moment of export.
struct Summary
{
    QString filesPanel;      // status panel 3 as it stands ("Files : 1200")
    QString duplicatesPanel; // status panel 2 as it stands ("Duplicate Files: 3  Size: 3.00 KB")
    QDateTime exportTime;    // written as "m/d/yyyy h:mm:ss AMPM"
};

/// The page. Cell texts are written with "&", "<" and ">" as character references, so that a
/// name never breaks the page; the page declares UTF-8. Row colours follow the runs of equal
/// group numbers over the whole list, exported or not.
QString text(const ResultModel &model, const ExportChoice &choice, const Summary &summary,
             const ProgressHooks &progress = {});

/// Writes the page to path: whether a file can be written there is checked first, then the file
/// is replaced whole (an existing file keeps its bytes when anything fails). Failures go to the
/// report as "Exporting CSV". False for an empty path or after Abort.
bool exportHtml(const QString &path, const ResultModel &model, const ExportChoice &choice, const Summary &summary,
                ErrorReporter &errors, const ProgressHooks &progress = {});
} // namespace HtmlExport
