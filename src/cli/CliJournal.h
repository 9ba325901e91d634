// SPDX-License-Identifier: GPL-3.0-or-later
// corvina-cli --undo and --journal: undoing the last clean-up and reading what Corvina did.
#pragma once

#include "cli/CliOption.h"

#include <QString>

#include <vector>

class QIODevice;
struct CliCommand;

/// The rows of the option table for undoing and the journal.
const std::vector<CliOption> &journalOptions();

/// Why an --undo or --journal command line holds what does not belong to it, or "".
QString journalUsageError(const CliCommand &command);

namespace CliJournal
{
/// Undoes the last clean-up of the journal at journalPath. Each file put back (or copy removed)
/// is written to out as "restored PATH", each no longer where Corvina put it as "gone PATH"; each
/// refused to err as "NUMBER TEXT: PATH". Returns 0 when every file was settled, 1 when the
/// journal cannot be read, 3 when some files were refused.
int undo(const QString &journalPath, bool quiet, QIODevice &out, QIODevice &err);

/// Writes the acts of the journal, newest first, as text or as JSON; 1 when it cannot be read.
int list(const QString &journalPath, bool json, QIODevice &out, QIODevice &err);
} // namespace CliJournal
