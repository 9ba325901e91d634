// SPDX-License-Identifier: GPL-3.0-or-later
// Hashes of small files' bytes that the walk read while their folders were open, by record.
#pragma once

#include "engine/FileList.h"

#include <optional>
#include <vector>

/// The walk reads a small file whole while its folder is open (by its name, no path looked up)
/// and keeps a hash of its bytes here, under its record number. Two files whose hashes differ
/// differ, so a comparison need not open them again to tell them apart; equal hashes prove
/// nothing, and such files are compared byte by byte as any others.
class ListedHashes
{
public:
    /// The walk hashes files of 1 to this many bytes, whole.
    static constexpr qint64 MostBytes = 4096;

    /// The hash of record r's bytes as the walk read them, if it read them.
    std::optional<quint64> find(FileList::Index r) const
    {
        if (r >= m_hashes.size() || m_hashes[r] == None)
            return std::nullopt;
        return m_hashes[r] - 1;
    }
    void set(FileList::Index r, quint64 hash)
    {
        if (r >= m_hashes.size())
            m_hashes.resize(static_cast<size_t>(r) + 1, None);
        // Shifted by one so that None stays free; two hashes made equal only merge their files' sets.
        m_hashes[r] = hash == ~quint64{0} ? hash : hash + 1;
    }
    /// Forgets the hashes of records from `count` on.
    void truncate(qsizetype count)
    {
        if (static_cast<size_t>(count) < m_hashes.size())
            m_hashes.resize(static_cast<size_t>(count));
    }
    bool empty() const { return m_hashes.empty(); }

private:
    static constexpr quint64 None = 0;
    std::vector<quint64> m_hashes; // hash + 1, or None
};
