// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ScanRows.h"

#include "platform/HeapTuning.h"

#include <numeric>
#include <utility>

namespace
{
// How many records are let go between two hand-backs of the heap's free pages: few enough that
// the records given back never pile up far beyond the rows made, few calls for a million files.
constexpr FileList::Index GiveBackEvery = 65536;
} // namespace

namespace ScanRows
{
std::vector<ResultRow> take(FileList &files, ResultList &results, const std::function<void()> &step)
{
    const quint32 n = results.count();
    // The entries in the order of their records, counted out rather than sorted so that no step
    // keeps the window waiting; an entry's place in `results` is its row.
    std::vector<quint32> byRecord(n);
    {
        std::vector<quint32> next(static_cast<size_t>(files.count()) + 1, 0);
        for (quint32 e = 0; e < n; ++e)
            ++next[results.record(e) + 1];
        std::partial_sum(next.begin(), next.end(), next.begin());
        for (quint32 e = 0; e < n; ++e)
            byRecord[next[results.record(e)]++] = e;
    }

    std::vector<ResultRow> rows;
    rows.reserve(n);
    FileList::Index givenBack = 0;
    for (const quint32 entry : byRecord)
    {
        if (step)
            step();
        const FileList::Index record = results.record(entry);
        if (record >= givenBack + GiveBackEvery)
        {
            files.releaseBefore(record);
            HeapTuning::giveBackFreedMemory();
            givenBack = record;
        }
        ResultRow row;
        row.setName(files.name(record));
        row.path = files.folder(record);
        row.size = files.size(record);
        row.setModified(files.date(record));
        row.setVersion(results.version(entry));
        row.group = results.shade(entry);
        rows.push_back(std::move(row));
    }
    files.releaseBefore(static_cast<FileList::Index>(files.count()));
    results.clear();
    HeapTuning::giveBackFreedMemory();

    // Each row to its entry's place, by following the permutation's cycles: one move a row, and
    // no second vector of rows.
    for (quint32 i = 0; i < n; ++i)
    {
        if (step)
            step();
        while (byRecord[i] != i)
        {
            const quint32 j = byRecord[i];
            std::swap(rows[i], rows[j]);
            std::swap(byRecord[i], byRecord[j]);
        }
    }
    return rows;
}
} // namespace ScanRows
