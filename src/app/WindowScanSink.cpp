#include "app/WindowScanSink.h"

#include <QWidget>

WindowScanSink::WindowScanSink(QWidget &window, const bool &cancelRequested, ErrorReporter &errors, Hooks hooks)
    : m_window(window), m_cancelRequested(cancelRequested), m_errors(errors), m_hooks(std::move(hooks))
{
    m_shown.start();
}

bool WindowScanSink::keepGoing()
{
    if ((m_statusDirty || m_captionDirty) && m_shown.elapsed() >= 15)
        flush();
    m_yield();
    return !m_cancelRequested;
}

void WindowScanSink::flush()
{
    if (m_statusDirty && m_hooks.status)
        m_hooks.status(m_status);
    if (m_captionDirty)
        m_window.setWindowTitle(m_caption);
    m_statusDirty = false;
    m_captionDirty = false;
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

bool WindowScanSink::confirmTooManyFiles(qint32 totalFiles)
{
    flush();
    return !m_hooks.tooManyFiles || m_hooks.tooManyFiles(totalFiles);
}
