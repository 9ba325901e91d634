// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/GroupFeed.h"

#include "core/CHive.h"

void GroupFeed::readFrom(const std::vector<FileList::Index> &sorted)
{
    m_sorted = &sorted;
    m_hive = nullptr;
}

void GroupFeed::readFrom(const CHive &fileHive)
{
    m_hive = &fileHive;
    m_sorted = nullptr;
}

qint32 GroupFeed::count() const
{
    if (m_hive)
        return m_hive->count();
    return m_sorted ? static_cast<qint32>(m_sorted->size()) : 0;
}

FileList::Index GroupFeed::record(qint32 p) const
{
    return m_hive ? m_hive->rowAt(p) : (*m_sorted)[static_cast<size_t>(p - 1)];
}

bool GroupFeed::wantsMore() const
{
    // Every worker gets a group however large the groups are; beyond that, memory decides.
    const qsizetype groups = m_ahead.queuedGroups();
    return groups <= m_ahead.workers() || (groups < m_mostGroups && m_ahead.queuedFiles() < m_mostFiles);
}

void GroupFeed::fill(qint32 from)
{
    // Equal sizes give equal size keys: the runs findSameSize cuts.
    while (m_next < count() && (m_next <= from || wantsMore()))
    {
        const qint64 size = m_files.size(record(m_next));
        if (m_files.size(record(m_next + 1)) != size)
        {
            ++m_next;
            continue;
        }
        std::vector<FileList::Index> records;
        for (; m_next <= count(); ++m_next)
        {
            const FileList::Index r = record(m_next);
            if (m_files.size(r) != size)
                break;
            if (records.empty() || !m_files.samePath(records.back(), r))
                records.push_back(r);
        }
        m_ahead.submit(std::move(records));
    }
}
