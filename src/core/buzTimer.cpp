// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/buzTimer.h"

#include "core/VbNumeric.h"

namespace
{
QString two(qint64 v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}
} // namespace

buzTimer::buzTimer(Clock clock) : m_clock(std::move(clock))
{
    Reset();
}

void buzTimer::Reset()
{
    StartTime = m_clock();
    m_pauses = 0;
}

void buzTimer::Pause()
{
    if (m_pauses++ == 0)
        m_pausedAt = m_clock();
}

void buzTimer::Resume()
{
    if (m_pauses == 0 || --m_pauses > 0)
        return;
    // The time the question waited is no time of the run: the start moves on by as much.
    StartTime = StartTime.addMSecs(m_pausedAt.msecsTo(m_clock()));
}

QString buzTimer::timeText(qint64 s)
{
    if (s < 60)
        return u"00:00:" + two(s);
    qint64 m = s / 60;
    const qint64 r = s - 60 * m;
    if (m < 60)
        return u"00:" + two(m) + u':' + two(r);
    const qint64 h = m / 60;
    m -= 60 * h;
    return QString::number(h) + u':' + QString::number(m) + u':' + two(r);
}

qint64 buzTimer::elapsedSeconds() const
{
    // Second boundaries crossed, not rounded milliseconds.
    const QDateTime now = m_pauses > 0 ? m_pausedAt : m_clock();
    return now.toSecsSinceEpoch() - StartTime.toSecsSinceEpoch();
}

QString buzTimer::Elapsed() const
{
    if (!StartTime.isValid())
        return {};
    return timeText(std::max<qint64>(0, elapsedSeconds()));
}

QString buzTimer::Remaining(qint32 done, qint32 total) const
{
    if (!StartTime.isValid() || total < 1 || total < done)
        return {};
    const double e = static_cast<double>(std::max<qint64>(0, elapsedSeconds()));
    const double p = static_cast<double>(done) / total * 100.0;
    if (p == 0)
        return {};
    const double q = e / p;
    return timeText(static_cast<qint64>(VbNumeric::roundHalfEven((100.0 - p) * q)));
}
