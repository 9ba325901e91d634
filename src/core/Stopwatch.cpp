// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Stopwatch.h"

#include "core/VbNumeric.h"

namespace
{
QString two(qint64 v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}
} // namespace

Stopwatch::Stopwatch(Clock clock) : m_clock(std::move(clock))
{
    restart();
}

void Stopwatch::restart()
{
    startTime = m_clock();
    m_pauses = 0;
}

void Stopwatch::pause()
{
    if (m_pauses++ == 0)
        m_pausedAt = m_clock();
}

void Stopwatch::resume()
{
    if (m_pauses == 0 || --m_pauses > 0)
        return;
    // The time the question waited is no time of the run: the start moves on by as much.
    startTime = startTime.addMSecs(m_pausedAt.msecsTo(m_clock()));
}

QString Stopwatch::timeText(qint64 s)
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

qint64 Stopwatch::elapsedSeconds() const
{
    // Second boundaries crossed, not rounded milliseconds.
    const QDateTime now = m_pauses > 0 ? m_pausedAt : m_clock();
    return now.toSecsSinceEpoch() - startTime.toSecsSinceEpoch();
}

QString Stopwatch::elapsed() const
{
    if (!startTime.isValid())
        return {};
    return timeText(std::max<qint64>(0, elapsedSeconds()));
}

QString Stopwatch::remaining(qint32 done, qint32 total) const
{
    if (!startTime.isValid() || total < 1 || total < done)
        return {};
    const double e = static_cast<double>(std::max<qint64>(0, elapsedSeconds()));
    const double p = static_cast<double>(done) / total * 100.0;
    if (p == 0)
        return {};
    const double q = e / p;
    return timeText(static_cast<qint64>(VbNumeric::roundHalfEven((100.0 - p) * q)));
}
