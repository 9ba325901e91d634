#include "engine/GroupFeed.h"

#include "core/CHive.h"
#include "engine/SearchEngine.h"

void GroupFeed::readFrom(const FileList &records)
{
    m_records = &records;
    m_hive = nullptr;
}

void GroupFeed::readFrom(const CHive &fileHive)
{
    m_hive = &fileHive;
    m_records = nullptr;
}

qint32 GroupFeed::count() const
{
    if (m_hive)
        return m_hive->Count();
    return m_records ? static_cast<qint32>(m_records->size()) : 0;
}

bool GroupFeed::sameSize(qint32 a, qint32 b) const
{
    if (m_hive)
        return SearchEngine::sameSizeKey(m_hive->at(a, 0).toString(), m_hive->at(b, 0).toString());
    // The size keys are the sizes written with leading zeros: equal exactly when the sizes are.
    return (*m_records)[static_cast<size_t>(a - 1)].size == (*m_records)[static_cast<size_t>(b - 1)].size;
}

QString GroupFeed::path(qint32 p) const
{
    if (m_hive)
        return m_hive->at(p, 2).toString() + m_hive->at(p, 1).toString();
    return (*m_records)[static_cast<size_t>(p - 1)].fullPath();
}

bool GroupFeed::wantsMore() const
{
    // Every worker gets a group however large the groups are; beyond that, memory decides.
    const qsizetype groups = m_ahead.queuedGroups();
    return groups <= m_ahead.workers() || (groups < m_mostGroups && m_ahead.queuedFiles() < m_mostFiles);
}

void GroupFeed::fill(qint32 from)
{
    while (m_next < count() && (m_next <= from || wantsMore()))
    {
        const qint32 first = m_next;
        if (!sameSize(first, first + 1))
        {
            ++m_next;
            continue;
        }
        std::vector<QString> paths;
        for (; m_next <= count() && sameSize(m_next, first); ++m_next)
        {
            QString p = path(m_next);
            if (paths.empty() || p != paths.back())
                paths.push_back(std::move(p));
        }
        m_ahead.submit(std::move(paths));
    }
}
