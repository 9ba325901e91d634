// SPDX-License-Identifier: GPL-3.0-or-later
// What the delete, move and copy runs share: the walk over the marked rows and the last look.
#pragma once

#include "actions/ActionError.h"
#include "actions/RemovalGuard.h"

#include <QString>

#include <functional>
#include <optional>

class ActionProgress;
class ErrorReporter;
class ResultModel;
struct FileOpResult;

namespace MarkedRowRun
{
/// Calls `act` for each marked row, first to last, each call one step under `label` so that a
/// failure offers Retry/Abort; yields before every row, stops at a cancel and advances the
/// progress value after each row done. False when the user chose Abort.
bool forEach(const ResultModel &model, ActionProgress &progress, ErrorReporter &reporter, const QString &label,
             const std::function<void(int row)> &act);

/// The error row for a verdict that refuses the act; none for Proceed and Gone.
std::optional<ActionError> refusalOf(RemovalGuard::Verdict verdict, const QString &path);

/// Whether the checked file may be acted on; if not, its error row (unless it is simply gone)
/// is added.
bool mayAct(const RemovalGuard::Check &check, const QString &path, ActionProgress &progress);

/// After an act that failed, the file's error row: as changed when the platform's own last look
/// found another file there, nothing when the file had gone meanwhile, else `failure`.
void reportFailure(const FileOpResult &result, const QString &path, const ActionError &failure,
                   ActionProgress &progress);
} // namespace MarkedRowRun
