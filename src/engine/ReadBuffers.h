// Read buffers reused from one comparison to the next: a fresh large buffer for every file or
// pair would cost page faults each time.
#pragma once

#include <QtGlobal>

#include <array>
#include <vector>

namespace ReadBuffers
{
/// Buffer `which` (0..3) of the calling thread, at least `size` bytes; valid until the next call
/// for the same buffer.
inline std::array<std::vector<char>, 4> &all()
{
    thread_local std::array<std::vector<char>, 4> buffers;
    return buffers;
}

inline char *get(size_t which, qint64 size)
{
    std::vector<char> &b = all()[which];
    if (b.size() < static_cast<size_t>(size))
        b.resize(static_cast<size_t>(size));
    return b.data();
}

/// Gives the calling thread's buffers back to the system (at the end of a search).
inline void release()
{
    for (std::vector<char> &b : all())
        std::vector<char>().swap(b);
}
} // namespace ReadBuffers
