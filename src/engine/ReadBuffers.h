// SPDX-License-Identifier: GPL-3.0-or-later
// Read buffers reused from one comparison to the next: a fresh large buffer for every file or
// pair would cost page faults each time.
#pragma once

#include "platform/LargeBuffer.h"

#include <algorithm>
#include <array>

namespace ReadBuffers
{
inline std::array<LargeBuffer, 4> &all()
{
    thread_local std::array<LargeBuffer, 4> buffers;
    return buffers;
}

/// Buffer `which` (0..3) of the calling thread, at least `size` bytes, contents undefined; valid
/// until the next call for the same buffer.
inline char *get(size_t which, qint64 size)
{
    LargeBuffer &b = all()[which];
    if (b.size() < size)
        b.reserve(std::max(size, 2 * b.size())); // a set read in growing blocks maps anew only a few times
    return b.data();
}

/// Gives the calling thread's buffers back to the system (at the end of a search).
inline void release()
{
    for (LargeBuffer &b : all())
        b.release();
}
} // namespace ReadBuffers
