// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HeapTuning.h"

#include <malloc.h>

void HeapTuning::returnLargeBlocksWhenFreed()
{
    // Setting the threshold also stops glibc from moving it, which is the point.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
}

void HeapTuning::giveBackFreedMemory()
{
    malloc_trim(0);
}
