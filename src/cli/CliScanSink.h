// SPDX-License-Identifier: GPL-3.0-or-later
// The scan sink of corvina-cli: a progress line on a terminal, errors on standard error.
#pragma once

#include "engine/ScanTypes.h"

#include <QElapsedTimer>

class QIODevice;

/// Never cancels, and goes on past the too-many-files question (the default answer): a command
/// line has nobody to ask. Unexpected failures are written to the error device and abort the
/// step (the scan then ends as failed).
class CliScanSink : public ScanSink, private ErrorReporter
{
public:
    /// With progress, status texts are shown as one line that rewrites itself on err, cut to
    /// columns characters and at most ten times a second.
    CliScanSink(QIODevice &err, bool progress, int columns);

    bool keepGoing() override { return true; }
    void status(const QString &text) override;
    ErrorReporter &errors() override { return *this; }

    /// True after an error was reported.
    bool failed() const { return m_failed; }
    /// Removes the progress line, so that what follows starts on a clean line.
    void clearProgress();

private:
    ErrorChoice report(const ErrorReport &report) override;

    QIODevice &m_err;
    bool m_progress;
    int m_columns;
    bool m_lineShown = false;
    bool m_failed = false;
    QElapsedTimer m_sinceLast;
};
