// The candidate groups of a scan, found ahead of it and queued for the compare-ahead workers.
#pragma once

#include "engine/CompareAhead.h"
#include "engine/FileRecord.h"

class CHive;

/// A candidate group is a run of records of one size, with repeated listings of one file dropped
/// as CompareGroup drops them. The feed can read the sorted records while FileHive is still being
/// loaded from them, and then go on in FileHive itself, following the scan's removals.
class GroupFeed
{
public:
    /// Queues groups while fewer than `mostGroups` groups and `mostFiles` files wait untaken (and
    /// always one group per worker). The defaults let the workers run far ahead - while FileHive
    /// is loaded nobody takes the answers - with a few megabytes of paths.
    explicit GroupFeed(CompareAhead &ahead, qsizetype mostGroups = 4096, qsizetype mostFiles = 65536)
        : m_ahead(ahead), m_mostGroups(mostGroups), m_mostFiles(mostFiles)
    {}

    /// Reads the sorted records, which stay unchanged while they are read; position p is record
    /// p - 1.
    void readFrom(const FileList &records);
    /// Goes on in FileHive: the same records in the same order, or FileHive alone.
    void readFrom(const CHive &fileHive);

    /// The scan removed the FileHive entry at position p.
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
    bool sameSize(qint32 a, qint32 b) const;
    QString path(qint32 p) const;

    CompareAhead &m_ahead;
    const qsizetype m_mostGroups;
    const qsizetype m_mostFiles;
    const FileList *m_records = nullptr;
    const CHive *m_hive = nullptr;
    qint32 m_next = 1; // the first position not looked at yet
};
