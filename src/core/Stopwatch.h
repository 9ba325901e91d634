// SPDX-License-Identifier: GPL-3.0-or-later
// A stopwatch whose elapsed and remaining times read as "h:m:ss" texts.
#pragma once

#include "core/Clock.h"

#include <QDateTime>
#include <QString>

class Stopwatch
{
public:
    /// Starts at the clock's current time.
    explicit Stopwatch(Clock clock = systemNow);

    void restart();

    /// Stops the stopwatch while a question waits for the user; resume lets it run on from where
    /// it stood. Calls nest: it runs again after as many resume calls as pause calls.
    void pause();
    void resume();

    /// Time since the start: "00:00:45", "00:02:05", then "1:2:05" from an hour on; "" when the
    /// start time is not valid.
    QString elapsed() const;

    /// Estimated time left when done of total are finished; "" when nothing can be estimated.
    QString remaining(qint32 done, qint32 total) const;

    /// The text of a number of whole seconds, as elapsed writes it.
    static QString timeText(qint64 seconds);

    QDateTime startTime;

private:
    qint64 elapsedSeconds() const;

    Clock m_clock;
    int m_pauses = 0;
    QDateTime m_pausedAt;
};
