// SPDX-License-Identifier: GPL-3.0-or-later
// Free-list allocator of the node slots of a keyed collection.
#pragma once

#include <QtGlobal>

#include <vector>

class CNode
{
public:
    /// Slots 1..initialAlloc, all free, handed out in order.
    void init(qint32 initialAlloc, float growthFactor);

    /// A free slot; when none is left the table grows by the growth factor first.
    qint32 allocate();

    /// Gives slot i back; freed slots are handed out again last-in, first-out.
    void release(qint32 i);

    /// The last slot number of the table.
    qint32 lastSlot() const { return static_cast<qint32>(m_freeNext.size()) - 1; }

private:
    std::vector<qint32> m_freeNext{0}; // index 0 unused: slots are numbered from 1
    qint32 m_freeHead = 0;
    float m_growthFactor = 1.5f;
};

/// round(u * factor) to the nearest integer, halves to the even neighbour: how both tables grow.
qint32 grownSize(qint32 u, double factor);
