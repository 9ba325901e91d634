// SPDX-License-Identifier: GPL-3.0-or-later
// Reading ".cvf" session files back: the whole session, or only its search setup.
#pragma once

#include "core/ErrorReport.h"
#include "core/Prompter.h"
#include "engine/ScanTypes.h"
#include "sessions/ProgressHooks.h"
#include "sessions/SessionState.h"

#include <QString>

#include <functional>
#include <optional>

class ResultModel;

namespace SessionFile
{
/// The longest line a reader accepts; a longer one cannot be a session line, and the file is
/// treated as damaged (a foreign file of one huge line is never held in memory).
inline constexpr qsizetype MaxLineBytes = qsizetype{1024} * 1024;

struct LoadHooks
{
    /// The window's New Session, run once the file has proved whole and before it is applied.
    /// The reader itself resets the state and empties the model.
    std::function<void()> newSession;
    /// The session dialog's progress bar.
    ProgressHooks progress;
};

/// Reads a whole session: options, locations, counters and result rows into state and rows
/// (group numbers recounted by runs of the saved group field), or, with reScan and an engine
/// other than zero size, compares the saved files again (in size order, with the sizes they have
/// now) and lists what the comparison confirms. reCheck is accepted and not acted on. The sink
/// yields once per line and may cancel; its error reporter gets failures to open or read the
/// file as "File Opening".
///
/// The file is taken only when it is whole (SessionParser): state and rows are changed only then.
/// A missing, damaged or unreadable file, or a reading the user cancelled, leaves both as they
/// were; the report says which and why.
SessionLoadReport openCorvinaFile(const QString &fileName, bool reScan, bool reCheck, SessionState &state,
                                  ResultModel &rows, ScanSink &sink, const LoadHooks &hooks = {});

/// Reads only the engine, protection and hidden options and the locations (start-up, the
/// command line); fuzzy stays off. The whole file is checked as openCorvinaFile checks it, and
/// state and rows change only when it is whole. Failures to open or read the file go to errors
/// as "ParaFile Opening".
SessionRead loadSessionParameters(const QString &path, SessionState &state, ResultModel &rows, ErrorReporter &errors,
                                  const LoadHooks &hooks = {});

/// The message that tells why the session at path was not loaded: "File Not Found" with the
/// quoted path, or "Damaged Session File" with the quoted path and what is wrong. Nothing after
/// Aborted, where the error report or the user's own cancel has said enough.
std::optional<MessagePrompt> cannotLoad(const QString &path, const SessionRead &read);
} // namespace SessionFile
