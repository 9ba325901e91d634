// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessions/LineReader.h"

namespace
{
constexpr qsizetype ChunkBytes = qsizetype{64} * 1024;
}

LineReader::LineReader(QIODevice &device, qsizetype maxLineBytes) : m_device(device), m_max(maxLineBytes) {}

bool LineReader::fill()
{
    if (m_atEnd)
        return false;
    if (m_pos > 0)
    {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
    const qsizetype old = m_buffer.size();
    m_buffer.resize(old + ChunkBytes);
    const qint64 got = m_device.read(m_buffer.data() + old, ChunkBytes);
    if (got < 0)
    {
        m_failed = true;
        m_atEnd = true;
    }
    m_buffer.resize(old + (got > 0 ? got : 0));
    if (got <= 0)
        m_atEnd = true;
    return got > 0;
}

LineReader::Status LineReader::next(QByteArray &line)
{
    for (;;)
    {
        const qsizetype lf = m_buffer.indexOf('\n', m_pos + m_scanned);
        if (lf >= 0)
        {
            qsizetype end = lf;
            if (end > m_pos && m_buffer[end - 1] == '\r')
                --end;
            if (end - m_pos > m_max)
                return Status::TooLong;
            line = m_buffer.mid(m_pos, end - m_pos);
            m_pos = lf + 1;
            m_scanned = 0;
            return Status::Line;
        }
        m_scanned = m_buffer.size() - m_pos;
        if (m_scanned > m_max)
            return Status::TooLong;
        if (fill())
            continue;
        if (m_failed)
            return Status::Error;
        if (m_scanned == 0)
            return Status::End;
        // The last line without its line end.
        line = m_buffer.mid(m_pos);
        if (line.endsWith('\r'))
            line.chop(1);
        m_pos = m_buffer.size();
        m_scanned = 0;
        m_unterminated = true;
        return Status::Line;
    }
}
