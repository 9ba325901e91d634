// SPDX-License-Identifier: GPL-3.0-or-later
// The "File Version" text of a file: the version resource that .exe, .dll and .ocx files carry.
#pragma once

#include <QString>

/// "5.1.2600.0" for a .exe, .dll or .ocx file (any letter case) whose PE image holds a version
/// resource; "N/A" for any other file and for a missing, unreadable or damaged one. Other files
/// are never opened.
QString fileVersionText(const QString &path);
