// SPDX-License-Identifier: GPL-3.0-or-later
// The duplicates a scan confirmed, in group order.
#pragma once

#include "engine/FileList.h"
#include "results/ResultValues.h"

#include <QHash>
#include <QStringList>
#include <QVariant>

#include <deque>

/// One row per duplicate: the file (a record of the scan's FileList), its version text and the
/// shade of its group, 12 bytes, version texts kept once each. Its values are those of a result
/// collection entry (ResultValue): size key, name, folder, version text, shade, date.
class ResultList
{
public:
    explicit ResultList(const FileList &files) : m_files(files) {}

    /// Adds a duplicate; returns its row.
    quint32 append(FileList::Index record, const QString &version, qint16 shade);
    FileList::Index record(quint32 row) const { return m_rows[row].record; }
    quint32 count() const { return static_cast<quint32>(m_rows.size()); }
    /// 1 or 2: consecutive groups differ.
    qint16 shade(quint32 row) const { return m_rows[row].shade; }
    const QString &version(quint32 row) const { return m_versions[m_rows[row].version]; }
    /// Forgets every row.
    void clear();

    /// Value v (ResultValue) of a row, as text or number.
    QVariant value(quint32 row, int v) const;

private:
    struct Row
    {
        FileList::Index record;
        quint32 version;
        qint16 shade;
    };

    const FileList &m_files;
    std::deque<Row> m_rows; // in blocks: a million rows never move
    QStringList m_versions;
    QHash<QString, quint32> m_versionNumbers;
};
