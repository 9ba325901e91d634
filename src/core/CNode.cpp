// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CNode.h"

#include "core/VbNumeric.h"

#include <algorithm>

qint32 grownSize(qint32 u, double factor)
{
    return static_cast<qint32>(VbNumeric::roundHalfEven(static_cast<double>(u) * factor));
}

void CNode::init(qint32 initialAlloc, float growthFactor)
{
    m_growthFactor = growthFactor;
    m_freeNext.assign(static_cast<size_t>(initialAlloc) + 1, 0);
    for (qint32 i = 1; i < initialAlloc; ++i)
        m_freeNext[static_cast<size_t>(i)] = i + 1;
    m_freeHead = initialAlloc >= 1 ? 1 : 0;
}

qint32 CNode::allocate()
{
    if (m_freeHead == 0)
    {
        const qint32 u = lastSlot();
        // A factor that would not grow the table still adds one slot rather than failing.
        const qint32 grown = std::max(grownSize(u, m_growthFactor), u + 1);
        m_freeHead = u + 1;
        m_freeNext.resize(static_cast<size_t>(grown) + 1);
        for (qint32 i = m_freeHead; i < grown; ++i)
            m_freeNext[static_cast<size_t>(i)] = i + 1;
        m_freeNext[static_cast<size_t>(grown)] = 0;
    }
    const qint32 slot = m_freeHead;
    m_freeHead = m_freeNext[static_cast<size_t>(slot)];
    return slot;
}

void CNode::release(qint32 i)
{
    m_freeNext[static_cast<size_t>(i)] = m_freeHead;
    m_freeHead = i;
}
