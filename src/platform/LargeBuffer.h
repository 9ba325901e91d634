// SPDX-License-Identifier: GPL-3.0-or-later
// Memory for large read buffers, on huge pages where the system offers them.
#pragma once

#include <QtGlobal>

/// The first touch of every 4 KiB page of fresh memory costs a page fault, and under
/// virtualisation a fault can cost tens of microseconds: a 32 MiB buffer filled once would spend
/// longer in faults than in reading. Huge pages need one fault per 2 MiB.
class LargeBuffer
{
public:
    LargeBuffer() = default;
    ~LargeBuffer() { release(); }
    LargeBuffer(const LargeBuffer &) = delete;
    LargeBuffer &operator=(const LargeBuffer &) = delete;

    /// Makes the buffer at least `size` bytes (contents undefined afterwards); throws
    /// std::bad_alloc when the memory cannot be had.
    void reserve(qint64 size);
    void release();

    char *data() const { return m_data; }
    qint64 size() const { return m_size; }

private:
    void *m_base = nullptr;
    size_t m_mapped = 0;
    char *m_data = nullptr;
    qint64 m_size = 0;
};
