// SPDX-License-Identifier: GPL-3.0-or-later
// Marking and acting in corvina-cli: the --mark rules over the result, and the trash, delete,
// move and copy of the marked files through the same driver and checks as the window.
#pragma once

#include "cli/CliActionOptions.h"

class ErrorReporter;
class QIODevice;
class ResultModel;

namespace CliExit
{
constexpr int Refused = 3; // some marked files were refused or failed; each is listed
} // namespace CliExit

namespace CliActions
{
/// Applies the --mark rules in the order given, starting from no marks ("saved" puts back the
/// marks the list held before), without moving a row. Without rules the marks stay as they are.
void mark(ResultModel &model, const CliActionOptions &options);

/// Acts on the marked files as options say, or with dryRun prints what would be done. Every file
/// refused or failed goes to err as "NUMBER TEXT: PATH". A group whose every file is marked keeps
/// its last file. Returns 0 when every marked file was done, CliExit::Refused otherwise.
int act(ResultModel &model, const CliActionOptions &options, bool quiet, QIODevice &out, QIODevice &err,
        ErrorReporter &errors);
} // namespace CliActions
