// SPDX-License-Identifier: GPL-3.0-or-later
// A stopwatch whose elapsed and remaining times read as "h:m:ss" texts.
#pragma once

#include "core/Clock.h"

#include <QDateTime>
#include <QString>

class buzTimer
{
public:
    /// Starts at the clock's current time.
    explicit buzTimer(Clock clock = systemNow);

    void Reset();

    /// Stops the stopwatch while a question waits for the user; Resume lets it run on from where
    /// it stood. Calls nest: it runs again after as many Resume calls as Pause calls.
    void Pause();
    void Resume();

    /// Time since the start: "00:00:45", "00:02:05", then "1:2:05" from an hour on; "" when the
    /// start time is not valid.
    QString Elapsed() const;

    /// Estimated time left when done of total are finished; "" when nothing can be estimated.
    QString Remaining(qint32 done, qint32 total) const;

    /// The text of a number of whole seconds, as Elapsed writes it.
    static QString timeText(qint64 seconds);

    QDateTime StartTime;

private:
    qint64 elapsedSeconds() const;

    Clock m_clock;
    int m_pauses = 0;
    QDateTime m_pausedAt;
};
