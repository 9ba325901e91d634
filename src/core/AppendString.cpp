// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/AppendString.h"

#include <algorithm>

void AppendString::addToString(QStringView text)
{
    const qsizetype needed = m_pointer + text.size();
    if (needed > m_buffer.size())
    {
        // One step of spare room; a single text longer than that gets room for itself plus a step.
        const qsizetype grown = m_buffer.size() + GrowthStep;
        m_buffer.resize(grown >= needed ? grown : needed + GrowthStep, u' ');
    }
    std::copy(text.begin(), text.end(), m_buffer.begin() + m_pointer);
    m_pointer = needed;
}

QString AppendString::returnString()
{
    m_buffer.truncate(m_pointer);
    return m_buffer;
}
