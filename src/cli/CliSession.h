// SPDX-License-Identifier: GPL-3.0-or-later
// Session files and exports in corvina-cli: a search read from a file, a saved result shown
// again, and what a search or a load leaves written to files.
#pragma once

#include "cli/CliSessionOptions.h"
#include "engine/ScanPipeline.h"
#include "sessions/SessionState.h"

#include <QByteArray>
#include <QString>

class ErrorReporter;
class QIODevice;
class ResultModel;

namespace CliSession
{
/// --session: the locations and the engine, protection and hidden-files options of the file, read
/// as "corvina FILE" reads them. False, with the reason on err, when the file cannot be read or is
/// damaged; locations and options are then unchanged.
bool readSearch(const QString &path, SearchLocationList &locations, ScanOptions &options, ErrorReporter &errors,
                QIODevice &err);

/// --load: the saved rows, or with rescan the rows that are still duplicates. The reason goes to
/// err when the file cannot be read or is damaged; state and model are then unchanged.
SessionLoadReport load(const QString &path, bool rescan, SessionState &state, ResultModel &model, ScanSink &sink,
                       QIODevice &err);

/// The status texts a load shows, in the user's language, one per line (the hidden panels left
/// out); state is what the load left.
QByteArray loadSummary(const SessionLoadReport &report, const SessionState &state);

/// The session a search leaves: its locations and options, and its counters as the window shows
/// them.
SessionState stateOfScan(const SearchLocationList &locations, const ScanOptions &options, const ScanSummary &summary);

/// Writes what the command line asks for, in this order: --save, --save-params, --export.
/// duplicatesPanel is the duplicates text of the search or load (the HTML report's summary).
/// Failures go to errors; false when one of them failed.
bool writeFiles(const CliSessionOptions &options, const SessionState &state, const ResultModel &model,
                const QString &duplicatesPanel, ErrorReporter &errors);
} // namespace CliSession
