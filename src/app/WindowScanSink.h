// What a scan or a session load asks of the main window: yielding, cancel, progress, questions.
#pragma once

#include "core/ThrottledYield.h"
#include "engine/ScanTypes.h"

#include <QElapsedTimer>

#include <functional>

class QWidget;

/// Yields to the event loop at most every 15 ms, so the window repaints, the timers tick and the
/// cancel commands run; answers false once the user has confirmed a cancel. Progress texts come
/// very often: they are kept and shown (status panel 1, or the caption while the window is
/// minimized) just before the event loop runs.
class WindowScanSink : public ScanSink
{
public:
    struct Hooks
    {
        std::function<void(const QString &)> status; // status-bar panel 1
        std::function<bool(qint32)> tooManyFiles;    // the "Warning" dialog; true = OK
    };

    WindowScanSink(QWidget &window, const bool &cancelRequested, ErrorReporter &errors, Hooks hooks);

    bool keepGoing() override;
    bool minimized() const override;
    void status(const QString &text) override;
    void caption(const QString &text) override;
    bool confirmTooManyFiles(qint32 totalFiles) override;
    ErrorReporter &errors() override { return m_errors; }

private:
    /// Shows the texts kept since the last yield.
    void flush();

    QWidget &m_window;
    const bool &m_cancelRequested;
    ErrorReporter &m_errors;
    Hooks m_hooks;
    ThrottledYield m_yield;
    QElapsedTimer m_shown;
    QString m_status;
    QString m_caption;
    bool m_statusDirty = false;
    bool m_captionDirty = false;
};
