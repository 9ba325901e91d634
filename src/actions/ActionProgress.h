// SPDX-License-Identifier: GPL-3.0-or-later
// How a run of the deletion or copy/move dialog reports its work and learns of a cancel.
#pragma once

#include "actions/ActionError.h"

#include <QString>

class ActionProgress
{
public:
    virtual ~ActionProgress() = default;

    /// Lets the window handle its events, the Cancel click among them; called before every row.
    virtual void yield() = 0;
    virtual bool cancelRequested() const = 0;

    virtual void setProgressMaximum(int maximum) = 0;
    virtual void setProgressValue(int value) = 0;
    /// The text of fileLabel.
    virtual void showStatus(const QString &text) = 0;
    virtual void addError(const ActionError &error) = 0;
};

/// A file path as fileLabel shows it: from 71 characters on, its first 70 and "...".
inline QString fileLabelText(const QString &path)
{
    return path.size() >= 71 ? path.left(70) + QStringLiteral("...") : path;
}
