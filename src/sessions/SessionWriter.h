// SPDX-License-Identifier: GPL-3.0-or-later
// Writing ".cvf" session files: the header, the search locations and, on request, the result rows.
#pragma once

#include "core/ErrorReport.h"
#include "sessions/ProgressHooks.h"
#include "sessions/SessionState.h"

#include <QString>

class ResultModel;
struct ResultRow;

namespace SessionFile
{
/// True when a location or a row of the state holds a text that needs the escaped form
/// (SessionEscape); the header then carries the marker. Decided over the rows too, so that the
/// header and location text of a state is the same with and without its results.
bool needsEscapes(const SessionState &state, const ResultModel &rows);

/// The header and location lines joined by CR LF, without a final CR LF: the text that
/// writeSessionFile and saveSessionParameters both write for the same state.
QString parametersText(const SessionState &state, const ResultModel &rows);

/// One result line: the columns 0 to 8 joined by "?" (without the ";" of the first line).
QString resultLine(const ResultRow &row, bool escaped);

/// Writes the session to path: the parameters text, then (unless parametersOnly) every result
/// row in list order, the first prefixed by ";". The file is replaced whole or not at all: a
/// failure leaves the previous file as it was and goes to the report as "File Saving" ("61 Disk
/// full"); Retry writes the file again from the start. Returns true once the file is written.
/// The progress bar runs from 1 to the row count when the list holds rows.
bool writeSessionFile(const QString &path, const SessionState &state, const ResultModel &rows, bool parametersOnly,
                      ErrorReporter &errors, const ProgressHooks &progress = {});

/// Writes header and locations only (default.cvf at exit and at every scan start), replacing the
/// file whole; failures are ignored and leave the previous file, and an empty path writes
/// nothing. The window stores its geometry itself.
void saveSessionParameters(const QString &path, const SessionState &state, const ResultModel &rows);
} // namespace SessionFile
