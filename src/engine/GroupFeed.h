// SPDX-License-Identifier: GPL-3.0-or-later
// The candidate groups of a scan, found ahead of it and queued for the compare-ahead workers.
#pragma once

#include "engine/CompareAhead.h"
#include "engine/FileList.h"

#include <vector>

class CHive;

/// A candidate group is a run of records of one size, with repeated listings of one file dropped
/// as compareGroup drops them. The feed can read the sorted records while fileHive is still being
/// loaded from them, and then go on in fileHive itself, following the scan's removals.
class GroupFeed
{
public:
    /// Queues groups of records of `files` while fewer than `mostGroups` groups and `mostFiles`
    /// files wait untaken (and always one group per worker). The defaults let the workers run far
    /// ahead - while fileHive is loaded nobody takes the answers - with little memory.
    GroupFeed(CompareAhead &ahead, const FileList &files, qsizetype mostGroups = 4096, qsizetype mostFiles = 65536)
        : m_ahead(ahead), m_files(files), m_mostGroups(mostGroups), m_mostFiles(mostFiles)
    {}

    /// Reads the record numbers in sorted order, which stay unchanged while they are read;
    /// position p is sorted[p - 1].
    void readFrom(const std::vector<FileList::Index> &sorted);
    /// Goes on in fileHive: the same records in the same order, or fileHive alone.
    void readFrom(const CHive &fileHive);

    /// The scan removed the fileHive entry at position p.
    void removed(qint32 p)
    {
        if (m_next > p)
            --m_next;
    }

    /// Queues groups until enough work waits, and at least up to position `from`.
    void fill(qint32 from = 0);

private:
    bool wantsMore() const;
    qint32 count() const;
    FileList::Index record(qint32 p) const;

    CompareAhead &m_ahead;
    const FileList &m_files;
    const qsizetype m_mostGroups;
    const qsizetype m_mostFiles;
    const std::vector<FileList::Index> *m_sorted = nullptr;
    const CHive *m_hive = nullptr;
    qint32 m_next = 1; // the first position not looked at yet
};
