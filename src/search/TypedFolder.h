// SPDX-License-Identifier: GPL-3.0-or-later
// A folder typed into the Add dialog, checked and made into the folder it names.
#pragma once

#include <QString>

namespace TypedFolder
{
struct Checked
{
    QString folder; // the folder to store; valid when error is empty
    QString error;  // why the text names no folder, as the dialog says it
};

/// Blanks around the text and trailing "/" (but that of "/" itself) go; "~" and "~/..." start at
/// `home`. Refused, with a message: a path that does not start with "/" after that, and a path
/// that names no existing folder.
Checked check(const QString &typed, const QString &home);
} // namespace TypedFolder
