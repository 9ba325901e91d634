// SPDX-License-Identifier: GPL-3.0-or-later
// What the session dialog asks of the main window, which owns the session's state.
#pragma once

#include "sessions/ProgressHooks.h"

#include <QString>

class SessionCommands
{
public:
    virtual ~SessionCommands() = default;

    /// Writes the window's session to path (writeSessionFile over the window's SessionState and
    /// result rows), header and locations only when parametersOnly. True once the file is written.
    virtual bool saveSession(const QString &path, bool parametersOnly, const ProgressHooks &progress) = 0;

    /// Loads the session at path into the window (openCorvinaFile) and applies its report. True
    /// when the file was read whole; the dialog then closes. Otherwise the window is as it was
    /// and has told the user why.
    virtual bool openSession(const QString &path, bool reScan, bool reCheck, const ProgressHooks &progress) = 0;
};
