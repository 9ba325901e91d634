// SPDX-License-Identifier: GPL-3.0-or-later
// Free-list allocator of the node slots of a keyed collection.
#pragma once

#include <QtGlobal>

#include <vector>

class CNode
{
public:
    /// Slots 1..InitialAllocVal, all free, handed out in order.
    void Init(qint32 InitialAllocVal, float GrowthFactorVal);

    /// A free slot; when none is left the table grows by the growth factor first.
    qint32 Alloc();

    /// Gives slot i back; freed slots are handed out again last-in, first-out.
    void Free(qint32 i);

    /// The last slot number of the table.
    qint32 lastSlot() const { return static_cast<qint32>(FreeNext.size()) - 1; }

private:
    std::vector<qint32> FreeNext{0}; // index 0 unused: slots are numbered from 1
    qint32 FreeHead = 0;
    float GrowthFactor = 1.5f;
};

/// round(u * factor) to the nearest integer, halves to the even neighbour: how both tables grow.
qint32 grownSize(qint32 u, double factor);
