// SPDX-License-Identifier: GPL-3.0-or-later
// Result rows for marking tests, written the way a test reads them.
#pragma once

#include "results/ResultModel.h"

#include <QStringList>

#include <vector>

namespace ResultRows
{
struct Entry
{
    const char *name;
    const char *path;
    qint64 size = 0;
    qint64 stamp = 20040501120000; // yyyymmddhhnnss
    qint32 group = 1;
    const char *version = "N/A";
    bool marked = false;
};

inline ResultRow row(const Entry &s)
{
    ResultRow r;
    r.setName(QString::fromUtf8(s.name));
    r.path = QString::fromUtf8(s.path);
    r.size = s.size;
    r.stamp = s.stamp;
    r.group = s.group;
    r.sortGroup = s.group;
    r.setVersion(QString::fromUtf8(s.version));
    r.marked = s.marked;
    return r;
}

inline void fill(ResultModel &model, const std::vector<Entry> &entries)
{
    std::vector<ResultRow> rows;
    for (const Entry &s : entries)
        rows.push_back(row(s));
    model.setRows(std::move(rows));
}

/// The names of the marked rows, in list order.
inline QStringList marked(const ResultModel &model)
{
    QStringList out;
    for (const ResultRow &r : model.rows())
    {
        if (r.marked)
            out << r.name();
    }
    return out;
}

inline QStringList names(const ResultModel &model)
{
    QStringList out;
    for (const ResultRow &r : model.rows())
        out << r.name();
    return out;
}
} // namespace ResultRows
