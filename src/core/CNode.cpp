// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CNode.h"

#include "core/VbNumeric.h"

#include <algorithm>

qint32 grownSize(qint32 u, double factor)
{
    return static_cast<qint32>(VbNumeric::roundHalfEven(static_cast<double>(u) * factor));
}

void CNode::Init(qint32 InitialAllocVal, float GrowthFactorVal)
{
    GrowthFactor = GrowthFactorVal;
    FreeNext.assign(static_cast<size_t>(InitialAllocVal) + 1, 0);
    for (qint32 i = 1; i < InitialAllocVal; ++i)
        FreeNext[static_cast<size_t>(i)] = i + 1;
    FreeHead = InitialAllocVal >= 1 ? 1 : 0;
}

qint32 CNode::Alloc()
{
    if (FreeHead == 0)
    {
        const qint32 u = lastSlot();
        // A factor that would not grow the table still adds one slot rather than failing.
        const qint32 grown = std::max(grownSize(u, GrowthFactor), u + 1);
        FreeHead = u + 1;
        FreeNext.resize(static_cast<size_t>(grown) + 1);
        for (qint32 i = FreeHead; i < grown; ++i)
            FreeNext[static_cast<size_t>(i)] = i + 1;
        FreeNext[static_cast<size_t>(grown)] = 0;
    }
    const qint32 slot = FreeHead;
    FreeHead = FreeNext[static_cast<size_t>(slot)];
    return slot;
}

void CNode::Free(qint32 i)
{
    FreeNext[static_cast<size_t>(i)] = FreeHead;
    FreeHead = i;
}
