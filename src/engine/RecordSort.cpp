// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/RecordSort.h"

#include "core/SortingLib.h"

#include <atomic>
#include <chrono>
#include <future>

namespace
{
// How long the caller waits for the sort before it polls again.
constexpr std::chrono::milliseconds PollInterval{15};
// Comparisons between two looks at the stop flag (raised when the caller failed meanwhile).
constexpr unsigned ComparisonsPerCheck = 4096;

struct Stopped
{
};

// What a comparison reads first, beside the record's number: most comparisons are settled here
// without reaching into the records.
struct Item
{
    qint64 size;
    RecordHead head;
    FileList::Index record;
};

std::vector<FileList::Index> sortRecords(const FileList &files, RecordOrder order, const std::atomic<bool> *stop)
{
    std::vector<Item> items(static_cast<size_t>(files.count()));
    for (FileList::Index i = 0; i < items.size(); ++i)
    {
        const RecordView view = files.view(i);
        items[i] = {order == RecordOrder::SizeFirst ? view.size : 0, recordHead(view, order), i};
    }
    unsigned comparisons = 0;
    SortingLib::sortStrings(items, true, [&](const Item &a, const Item &b) {
        if (stop && ++comparisons % ComparisonsPerCheck == 0 && stop->load(std::memory_order_relaxed))
            throw Stopped();
        if (a.size != b.size)
            return a.size < b.size ? -1 : 1;
        if (a.head != b.head && a.head.valid() && b.head.valid())
            return a.head < b.head ? -1 : 1;
        return compareRecords(files.view(a.record), files.view(b.record), order);
    });
    std::vector<FileList::Index> records;
    records.reserve(items.size());
    for (const Item &item : items)
        records.push_back(item.record);
    return records;
}
} // namespace

namespace RecordSort
{
std::vector<FileList::Index> sorted(const FileList &files, RecordOrder order)
{
    return sortRecords(files, order, nullptr);
}

std::vector<FileList::Index> sortedAside(const FileList &files, RecordOrder order, const std::function<void()> &yield)
{
    std::atomic<bool> stop{false};
    std::future<std::vector<FileList::Index>> result =
        std::async(std::launch::async, [&] { return sortRecords(files, order, &stop); });
    while (result.wait_for(PollInterval) != std::future_status::ready)
    {
        try
        {
            yield();
        }
        catch (...)
        {
            stop = true; // the future's destructor then waits only for the sort's next look at the flag
            throw;
        }
    }
    return result.get();
}
} // namespace RecordSort
