// SPDX-License-Identifier: GPL-3.0-or-later
// The deletion error log: the error list saved as a text file.
#pragma once

#include "actions/ActionError.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <vector>

namespace ErrorLog
{
/// "Error dd-mm-yyyy", the name the save dialog proposes (the word in the user's language).
QString defaultName(const QDate &today);

/// The log's bytes: seven header lines, then one line per error, each ended by CR LF; in English
/// whatever the language of the rows' descriptions.
QByteArray text(const std::vector<ActionError> &errors, const QDateTime &now);

/// Replaces the file with text(), whole or not at all; false when it cannot be written, and an
/// existing file then keeps its bytes. failure, when given, gets the reason as error number and
/// words ("61 Disk full").
bool save(const QString &path, const std::vector<ActionError> &errors, const QDateTime &now,
          QString *failure = nullptr);
} // namespace ErrorLog
