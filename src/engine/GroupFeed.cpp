// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/GroupFeed.h"

bool GroupFeed::wantsMore() const
{
    // Every worker gets a group however large the groups are; beyond that, memory decides.
    const qsizetype groups = m_ahead.queuedGroups();
    return groups <= m_ahead.workers() || (groups < m_mostGroups && m_ahead.queuedFiles() < m_mostFiles);
}

void GroupFeed::fill(size_t from)
{
    if (!m_sorted)
        return;
    const std::vector<FileList::Index> &sorted = *m_sorted;
    // Equal sizes: the runs findSameSize cuts.
    while (m_next + 1 < sorted.size() && (m_next <= from || wantsMore()))
    {
        const qint64 size = m_files.size(sorted[m_next]);
        if (m_files.size(sorted[m_next + 1]) != size)
        {
            ++m_next;
            continue;
        }
        std::vector<FileList::Index> records;
        for (; m_next < sorted.size(); ++m_next)
        {
            const FileList::Index r = sorted[m_next];
            if (m_files.size(r) != size)
                break;
            if (records.empty() || !m_files.samePath(records.back(), r))
                records.push_back(r);
        }
        m_ahead.submit(std::move(records));
    }
}
