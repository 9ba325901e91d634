// Reading ".cvf" session files back: the whole session, or only its search setup.
#pragma once

#include "core/ErrorReport.h"
#include "engine/ScanTypes.h"
#include "sessions/ProgressHooks.h"
#include "sessions/SessionState.h"

#include <QString>

#include <functional>

class ResultModel;

namespace SessionFile
{
/// The longest line a reader accepts; a longer one cannot be a session line, and the file is
/// treated as damaged (a foreign file of one huge line is never held in memory).
inline constexpr qsizetype MaxLineBytes = 1024 * 1024;

struct LoadHooks
{
    /// The window's New Session, run first: a file that cannot be read leaves an empty session.
    /// The reader itself resets the state and empties the model.
    std::function<void()> newSession;
    /// The session dialog's progress bar.
    ProgressHooks progress;
};

/// Reads a whole session: options, locations, counters and result rows into state and rows
/// (group numbers recounted by runs of the saved group field), or, with ReScan and an engine
/// other than zero size, compares the saved rows again and lists what the comparison confirms.
/// ReCheck is accepted and not acted on. The sink yields once per line and may cancel; its
/// error reporter gets unexpected failures as "File Opening".
///
/// Every ending leaves a usable session: the rows and locations read so far, the bands, the
/// counters and the status texts of the report; the window applies them and returns to idle.
SessionLoadReport OpenCorvinaFile(const QString &FileName, bool ReScan, bool ReCheck, SessionState &state,
                                  ResultModel &rows, ScanSink &sink, const LoadHooks &hooks = {});

/// Reads only the engine, protection and hidden options and the locations (start-up, the
/// command line); result rows are skipped, fuzzy stays off. False when the file is missing or a
/// line has too few fields, or when the report ("ParaFile Opening") ended the load.
bool LoadSessionParameters(const QString &path, SessionState &state, ResultModel &rows, ErrorReporter &errors,
                           const LoadHooks &hooks = {});
} // namespace SessionFile
