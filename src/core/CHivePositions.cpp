// SPDX-License-Identifier: GPL-3.0-or-later
// CHive's position table, kept as a gap buffer: positions 1..count are the raw slots before the
// gap and after it, so removing at a cursor that moves forward moves only the entries between two
// removals.
#include "core/CHive.h"

qint32 CHive::positionOfNode(qint32 n) const
{
    const qint32 raw = entry(n).raw;
    if (raw < 0)
        return 0;
    return raw < m_gapStart ? raw + 1 : raw - (m_gapEnd - m_gapStart) + 1;
}

void CHive::place(qint32 raw, qint32 n)
{
    m_positions[static_cast<size_t>(raw)] = n;
    entry(n).raw = raw;
}

void CHive::moveGapTo(qint32 start)
{
    const qint32 gap = m_gapEnd - m_gapStart;
    if (gap == 0)
    {
        m_gapStart = m_gapEnd = start;
        return;
    }
    if (start < m_gapStart)
    {
        // Entries [start, gapStart) move up behind the gap, last first.
        for (qint32 r = m_gapStart - 1; r >= start; --r)
            place(r + gap, m_positions[static_cast<size_t>(r)]);
    }
    else
    {
        // Entries after the gap move down into it.
        for (qint32 r = m_gapEnd; r < start + gap; ++r)
            place(r - gap, m_positions[static_cast<size_t>(r)]);
    }
    m_gapStart = start;
    m_gapEnd = start + gap;
}

void CHive::openPositionGap(qint32 p, qint32 n)
{
    const qint32 gap = m_gapEnd - m_gapStart;
    const qint32 tailEnd = m_gapEnd + (m_count - m_gapStart);
    if (p == m_count + 1 && tailEnd < static_cast<qint32>(m_positions.size()))
    {
        place(tailEnd, n);
        return;
    }
    if (gap > 0)
    {
        moveGapTo(p - 1);
        place(m_gapStart, n);
        ++m_gapStart;
        return;
    }
    // No gap: move entries p..count up by one slot.
    for (qint32 r = m_count - 1; r >= p - 1; --r)
        place(r + 1, m_positions[static_cast<size_t>(r)]);
    place(p - 1, n);
    m_gapStart = m_gapEnd = 0;
}

void CHive::closePositionGap(qint32 p)
{
    moveGapTo(p - 1);
    m_positions[static_cast<size_t>(m_gapEnd)] = 0;
    ++m_gapEnd;
    if (m_count == 1)
        m_gapStart = m_gapEnd = 0; // the collection is empty now: start afresh at the front
}
