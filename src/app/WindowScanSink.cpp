// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowScanSink.h"

#include "core/VisibleText.h"

#include <QWidget>

WindowScanSink::WindowScanSink(QWidget &window, const bool &cancelRequested, ErrorReporter &errors, Hooks hooks)
    : m_window(window), m_cancelRequested(cancelRequested), m_errors(errors), m_hooks(std::move(hooks))
{
    m_shown.start();
}

bool WindowScanSink::keepGoing()
{
    if ((m_statusDirty || m_captionDirty || m_progressDirty) && m_shown.elapsed() >= 15)
        flush();
    m_yield();
    return !m_cancelRequested;
}

void WindowScanSink::flush()
{
    if (m_statusDirty && m_hooks.status)
        m_hooks.status(m_status);
    if (m_captionDirty)
        m_window.setWindowTitle(VisibleText::of(m_caption));
    if (m_progressDirty && m_hooks.progress)
        m_hooks.progress(m_progress);
    m_statusDirty = false;
    m_captionDirty = false;
    m_progressDirty = false;
    m_shown.restart();
}

bool WindowScanSink::minimized() const
{
    return m_window.isMinimized();
}

void WindowScanSink::status(const QString &text)
{
    m_status = text;
    m_statusDirty = true;
}

void WindowScanSink::caption(const QString &text)
{
    m_caption = text;
    m_captionDirty = true;
}

void WindowScanSink::progress(const ScanProgress &p)
{
    m_progress = p;
    m_progressDirty = true;
}

template <typename F> auto WindowScanSink::ask(F question)
{
    flush();
    struct Waiting
    {
        const std::function<void(bool)> &waiting;
        explicit Waiting(const std::function<void(bool)> &w) : waiting(w)
        {
            if (waiting)
                waiting(true);
        }
        ~Waiting()
        {
            if (waiting)
                waiting(false);
        }
        Waiting(const Waiting &) = delete;
        Waiting &operator=(const Waiting &) = delete;
    } waiting(m_hooks.waiting);
    return question();
}

bool WindowScanSink::confirmTooManyFiles(qint32 totalFiles)
{
    return ask([&] { return !m_hooks.tooManyFiles || m_hooks.tooManyFiles(totalFiles); });
}

ErrorChoice WindowScanSink::report(const ErrorReport &report)
{
    return ask([&] { return m_errors.report(report); });
}
