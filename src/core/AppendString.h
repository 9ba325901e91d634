// SPDX-License-Identifier: GPL-3.0-or-later
// A string builder for large texts: appends are block copies into spare room at the buffer's end.
#pragma once

#include <QString>
#include <QStringView>

class AppendString
{
public:
    /// Appends the text; the buffer grows by 10,000 characters when the text does not fit (and by
    /// enough for the text when a single text is longer than that).
    void addToString(QStringView text);

    /// Everything appended so far. The buffer is cut to its used part, so the next append grows it
    /// again; the builder keeps its text.
    QString returnString();

    /// Characters in use (for tests: the buffer's spare room is capacity() - pointer()).
    qsizetype pointer() const { return m_pointer; }
    qsizetype capacity() const { return m_buffer.size(); }

    static constexpr qsizetype GrowthStep = 10000;

private:
    QString m_buffer;
    qsizetype m_pointer = 0;
};
