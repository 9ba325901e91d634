// SPDX-License-Identifier: GPL-3.0-or-later
// The candidate groups of a scan, found ahead of it and queued for the compare-ahead workers.
#pragma once

#include "engine/CompareAhead.h"
#include "engine/FileList.h"

#include <vector>

/// A candidate group is a run of records of one size, with repeated listings of one file dropped
/// as the comparison drops them. The feed reads the sorted records ahead of the scan.
class GroupFeed
{
public:
    /// Queues groups of records of `files` while fewer than `mostGroups` groups and `mostFiles`
    /// files wait untaken (and always one group per worker). The defaults let the workers run far
    /// ahead with little memory.
    GroupFeed(CompareAhead &ahead, const FileList &files, qsizetype mostGroups = 4096, qsizetype mostFiles = 65536)
        : m_ahead(ahead), m_files(files), m_mostGroups(mostGroups), m_mostFiles(mostFiles)
    {}

    /// Reads the record numbers in sorted order, which stay unchanged while they are read.
    void readFrom(const std::vector<FileList::Index> &sorted) { m_sorted = &sorted; }

    /// Queues groups until enough work waits, and at least the groups starting up to index `from`.
    void fill(size_t from = 0);

private:
    bool wantsMore() const;

    CompareAhead &m_ahead;
    const FileList &m_files;
    const qsizetype m_mostGroups;
    const qsizetype m_mostFiles;
    const std::vector<FileList::Index> *m_sorted = nullptr;
    size_t m_next = 0; // the first index not looked at yet
};
