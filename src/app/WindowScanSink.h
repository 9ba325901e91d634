// SPDX-License-Identifier: GPL-3.0-or-later
// What a scan or a session load asks of the main window: yielding, cancel, progress, questions.
#pragma once

#include "core/ThrottledYield.h"
#include "engine/ScanTypes.h"

#include <QElapsedTimer>

#include <functional>

class QWidget;

/// Yields to the event loop at most every 15 ms, so the window repaints, the timers tick and the
/// cancel commands run; answers false once the user has confirmed a cancel. Progress texts and
/// counts come very often: they are kept and shown (status panel 1 and the progress bar, or the
/// caption while the window is minimized) just before the event loop runs. While a question
/// waits for the user (the too-many-files question, the error report), `waiting` is told.
class WindowScanSink : public ScanSink, private ErrorReporter
{
public:
    struct Hooks
    {
        std::function<void(const QString &)> status;        // status-bar panel 1
        std::function<bool(qint32)> tooManyFiles;           // the "Warning" dialog; true = OK
        std::function<void(const ScanProgress &)> progress; // the progress bar (may be empty)
        std::function<void(bool)> waiting;                  // a question waits (true), is answered (false)
    };

    WindowScanSink(QWidget &window, const bool &cancelRequested, ErrorReporter &errors, Hooks hooks);

    bool keepGoing() override;
    bool minimized() const override;
    void status(const QString &text) override;
    void caption(const QString &text) override;
    void progress(const ScanProgress &p) override;
    bool confirmTooManyFiles(qint32 totalFiles) override;
    ErrorReporter &errors() override { return *this; }

private:
    /// Shows the texts kept since the last yield.
    void flush();
    ErrorChoice report(const ErrorReport &report) override;
    /// Runs a question, telling `waiting` before and after.
    template <typename F> auto ask(F question);

    QWidget &m_window;
    const bool &m_cancelRequested;
    ErrorReporter &m_errors;
    Hooks m_hooks;
    ThrottledYield m_yield;
    QElapsedTimer m_shown;
    QString m_status;
    QString m_caption;
    ScanProgress m_progress;
    bool m_statusDirty = false;
    bool m_captionDirty = false;
    bool m_progressDirty = false;
};
