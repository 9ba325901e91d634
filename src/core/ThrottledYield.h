// SPDX-License-Identifier: GPL-3.0-or-later
// Lets the event loop run now and then during a long loop, without spending the loop's time there.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

class ThrottledYield
{
public:
    explicit ThrottledYield(qint64 intervalMs = 15) : m_interval(intervalMs) { m_timer.start(); }

    /// Processes pending events when at least the interval has passed since the last time.
    void operator()()
    {
        if (m_timer.elapsed() < m_interval)
            return;
        QCoreApplication::processEvents();
        m_timer.restart();
    }

    /// Processes pending events now.
    void now()
    {
        QCoreApplication::processEvents();
        m_timer.restart();
    }

private:
    qint64 m_interval;
    QElapsedTimer m_timer;
};
