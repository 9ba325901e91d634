// Read buffers reused from one comparison to the next: a fresh large buffer for every file or
// pair would cost page faults each time.
#pragma once

#include <QtGlobal>

#include <array>
#include <memory>

namespace ReadBuffers
{
struct Buffer
{
    std::unique_ptr<char[]> data;
    qint64 size = 0;
};

inline std::array<Buffer, 4> &all()
{
    thread_local std::array<Buffer, 4> buffers;
    return buffers;
}

/// Buffer `which` (0..3) of the calling thread, at least `size` bytes, contents undefined; valid
/// until the next call for the same buffer.
inline char *get(size_t which, qint64 size)
{
    Buffer &b = all()[which];
    if (b.size < size)
    {
        // Not value-initialised: every byte is read into before it is compared.
        b.data.reset(new char[static_cast<size_t>(size)]);
        b.size = size;
    }
    return b.data.get();
}

/// Gives the calling thread's buffers back to the system (at the end of a search).
inline void release()
{
    for (Buffer &b : all())
        b = Buffer();
}
} // namespace ReadBuffers
