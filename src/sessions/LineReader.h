// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a text file line by line with a bound on the length of a line, so that a damaged or
// foreign file never makes a reader hold a huge line in memory.
#pragma once

#include <QByteArray>
#include <QIODevice>

class LineReader
{
public:
    enum class Status
    {
        Line,    // a line was read (the last one may lack its line end)
        End,     // no more lines
        TooLong, // the next line is longer than the bound
        Error,   // the device failed to read
    };

    LineReader(QIODevice &device, qsizetype maxLineBytes);

    /// The next line without its LF or CR LF.
    Status next(QByteArray &line);

    /// True once a line was read that the file ends in without a line end.
    bool endsWithoutLineEnd() const { return m_unterminated; }

private:
    bool fill();

    QIODevice &m_device;
    qsizetype m_max;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    qsizetype m_scanned = 0; // bytes after m_pos already known to hold no LF
    bool m_atEnd = false;
    bool m_failed = false;
    bool m_unterminated = false;
};
