// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LargeBuffer.h"

#include <sys/mman.h>

#include <new>

namespace
{
constexpr size_t HugePage = size_t{2} << 20;
} // namespace

void LargeBuffer::reserve(qint64 size)
{
    if (size <= m_size)
        return;
    release();
    const size_t usable = (static_cast<size_t>(size) + HugePage - 1) / HugePage * HugePage;
    // One huge page more, so that the usable part can start on a huge-page boundary.
    const size_t mapped = usable + HugePage;
    void *base = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (base == MAP_FAILED)
        throw std::bad_alloc();
    // Stepped forward from base rather than made from a number, so the pointer keeps its origin.
    const auto address = reinterpret_cast<quintptr>(base);
    char *aligned = static_cast<char *>(base) + (HugePage - address % HugePage) % HugePage;
    // Only advice: without huge pages the buffer works the same, just with more faults.
    ::madvise(aligned, usable, MADV_HUGEPAGE);
    m_base = base;
    m_mapped = mapped;
    m_data = aligned;
    m_size = static_cast<qint64>(usable);
}

void LargeBuffer::release()
{
    if (m_base)
        ::munmap(m_base, m_mapped);
    m_base = nullptr;
    m_mapped = 0;
    m_data = nullptr;
    m_size = 0;
}
