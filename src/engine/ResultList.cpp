// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ResultList.h"

#include "core/TextFormat.h"

quint32 ResultList::append(FileList::Index record, const QString &version, qint16 shade)
{
    auto it = m_versionNumbers.constFind(version);
    if (it == m_versionNumbers.cend())
    {
        it = m_versionNumbers.insert(version, static_cast<quint32>(m_versions.size()));
        m_versions.append(version);
    }
    m_rows.push_back({record, *it, shade});
    return static_cast<quint32>(m_rows.size() - 1);
}

void ResultList::clear()
{
    std::deque<Row>().swap(m_rows);
    m_versions.clear();
    m_versionNumbers.clear();
}

QVariant ResultList::value(quint32 row, int v) const
{
    const Row &r = m_rows[row];
    switch (v)
    {
    case ResultValue::SizeKey:
        return TextFormat::pad12(m_files.size(r.record));
    case ResultValue::Name:
        return m_files.name(r.record).toString();
    case ResultValue::Folder:
        return m_files.folder(r.record);
    case ResultValue::Version:
        return m_versions[r.version];
    case ResultValue::Shade:
        return r.shade;
    default:
        return m_files.date(r.record);
    }
}
