#include "engine/RecordSort.h"

#include "core/SortingLib.h"

#include <atomic>
#include <chrono>
#include <future>
#include <numeric>

namespace
{
// How long the caller waits for the sort before it polls again.
constexpr std::chrono::milliseconds PollInterval{15};
// Comparisons between two looks at the stop flag (raised when the caller failed meanwhile).
constexpr unsigned ComparisonsPerCheck = 4096;

struct Stopped
{
};

std::vector<FileList::Index> sortRecords(const FileList &files, RecordOrder order, const std::atomic<bool> *stop)
{
    std::vector<FileList::Index> records(static_cast<size_t>(files.count()));
    std::iota(records.begin(), records.end(), FileList::Index{0});
    unsigned comparisons = 0;
    SortingLib::SortStrings(records, true, [&](FileList::Index a, FileList::Index b) {
        if (stop && ++comparisons % ComparisonsPerCheck == 0 && stop->load(std::memory_order_relaxed))
            throw Stopped();
        return compareRecords(files.view(a), files.view(b), order);
    });
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
