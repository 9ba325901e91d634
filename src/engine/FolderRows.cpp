// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/FolderRows.h"

#include "engine/FileRecord.h"

namespace
{
ResultRow rowOf(const FolderFacts &f, qint32 group)
{
    ResultRow row;
    const QString folder = f.path.chopped(1);
    const qsizetype cut = folder.lastIndexOf(u'/') + 1;
    row.setName(folder.mid(cut));
    row.path = folder.left(cut);
    row.size = f.size;
    row.setVersion(QString::number(f.files));
    row.group = group;
    row.sortGroup = group;
    if (f.files > 0)
        row.setModified(fileDateText(f.modified));
    return row;
}
} // namespace

namespace FolderRows
{
std::vector<ResultRow> of(const FolderReport &report)
{
    std::vector<ResultRow> rows;
    rows.reserve(report.folders.size());
    for (size_t g = 0; g < report.groups.size(); ++g)
    {
        for (const quint32 i : report.groups[g])
            rows.push_back(rowOf(report.folders[i], static_cast<qint32>(g) + 1));
    }
    for (const quint32 i : report.contained)
        rows.push_back(rowOf(report.folders[i], 0));
    return rows;
}
} // namespace FolderRows
