// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ContentGroups.h"

#include "core/ListRules.h"
#include "engine/BlockHash.h"
#include "engine/CompareAhead.h"
#include "engine/ReadBuffers.h"
#include "engine/SearchEngine.h"
#include "engine/SearchThreads.h"
#include "platform/FileFunctions.h"
#include "platform/HeapTuning.h"
#include "platform/ReadOnlyFile.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <exception>
#include <functional>
#include <numeric>
#include <thread>
#include <unordered_map>
#include <utility>

namespace ContentGroups
{
namespace
{
// Read buffers of one round share this much memory: a large set reads smaller blocks.
constexpr qint64 RoundMemory = qint64{32} << 20;
// A set whose first blocks would need more than this is hashed in its first round instead, over
// this many bytes of each member: enough to tell most files apart, little to read twice.
constexpr qint64 HashedRoundMemory = qint64{4} << 20;
constexpr qint64 HashedBlock = qint64{4} << 10;
constexpr qint64 FirstBlock = qint64{64} << 10;
constexpr qint64 LargestBlock = qint64{1} << 20;
constexpr qint64 SmallestBlock = 64;
// A set of up to this many files is split by comparing each block with the first block of
// every part; larger sets are bucketed by a hash of the block first.
constexpr qsizetype LinearSplitLimit = 8;
constexpr qint64 FuzzyBlock = ListRules::SimilarBlock;
// Fuzzy digests of one group beyond this (8 bytes per block) fall back to pairwise reading.
constexpr qint64 FuzzyDigestMemory = qint64{256} << 20;
// Files handled between two questions to keepGoing in the per-file loops.
constexpr qsizetype FilesPerCheck = 64;
// A round of at least this many members is read by several threads.
constexpr qsizetype SharedRoundMembers = 256;

// Files of large sets kept open from one round to the next, counted over every search of the
// process, so that a set of thousands of files is not opened again for every round.
std::atomic<qint64> heldOpen{0};

// Descriptors left for everything else the process opens: the window, the walk, a file read whole.
constexpr qint64 OpenFileReserve = 64;

// Most members of a set one search holds open whole from round to round; a larger set opens
// each file for its read only, or holds it within the budget of held files.
constexpr qsizetype OpenFileLimit = 128;
// Sets of up to this many members are held open whole under any open-file limit: most groups are
// this small, and the limit is then never asked for.
constexpr qsizetype AlwaysSmallSet = 8;

// Searches use at most this many descriptors (128 KiB of descriptor table), fewer where the
// open-file limit is lower.
constexpr qint64 MostDescriptors = 16384;

qint64 usableDescriptors()
{
    return std::min(ReadOnlyFile::openLimit(), MostDescriptors);
}

// Threads that read one round of a large set: the search's own and its helpers.
int laneCount()
{
    return SearchThreads::count();
}

// Searches that may run at once: each worker and the scan's own thread.
qint64 searchCount()
{
    return CompareAhead::workerCount() + 1;
}

// The most members of a set one search holds open whole: OpenFileLimit, or less where the usable
// descriptors leave each search less beside the reserve and a folder per reading thread.
qsizetype smallSetLimit()
{
    const qint64 share = (usableDescriptors() - OpenFileReserve) / searchCount() - laneCount();
    return static_cast<qsizetype>(std::clamp<qint64>(share, AlwaysSmallSet, OpenFileLimit));
}

// How many files of large sets may be held open: what the usable descriptors leave once every
// search holds a small set whole and a folder per reading thread, and the reserve is kept. An
// open that failed for want of a descriptor would drop a file from its group, so the budget
// never counts on descriptors that a small set may take.
qint64 heldOpenBudget()
{
    return std::max<qint64>(0, usableDescriptors() - searchCount() * (smallSetLimit() + laneCount()) - OpenFileReserve);
}

void countRead(Tally *tally, qint64 bytes)
{
    if (!tally)
        return;
    tally->bytesRead.fetch_add(bytes, std::memory_order_relaxed);
    if (tally->alsoRead)
        tally->alsoRead->fetch_add(bytes, std::memory_order_relaxed);
}

bool holdOpen(qint64 budget)
{
    if (heldOpen.fetch_add(1) < budget)
        return true;
    heldOpen.fetch_sub(1);
    return false;
}

Groups inFirstMemberOrder(Groups groups)
{
    for (auto &g : groups)
        std::sort(g.begin(), g.end());
    std::sort(groups.begin(), groups.end(), [](const auto &a, const auto &b) { return a.front() < b.front(); });
    return groups;
}

// Sets of members with equal length and content so far, read in step from an offset on. The
// first round opens every member, takes its current length and reads its first block; a member
// that cannot be opened or read leaves its set and matches nothing.
class ExactSplitter
{
public:
    ExactSplitter(const Members &members, const KeepGoing &keepGoing, Tally *tally)
        : m_members(members), m_keepGoing(keepGoing), m_tally(tally), m_files(static_cast<size_t>(members.count())),
          m_lengths(static_cast<size_t>(members.count()), -1), m_held(static_cast<size_t>(members.count()), 0),
          m_unreadable(static_cast<size_t>(members.count()), 0), m_folders(static_cast<size_t>(laneCount()))
    {}
    ~ExactSplitter()
    {
        for (size_t m = 0; m < m_held.size(); ++m)
            close(static_cast<qsizetype>(m));
    }
    ExactSplitter(const ExactSplitter &) = delete;
    ExactSplitter &operator=(const ExactSplitter &) = delete;

    std::optional<Groups> run()
    {
        std::vector<qsizetype> all(static_cast<size_t>(m_members.count()));
        std::iota(all.begin(), all.end(), 0);
        if (!splitByListedHashes(all))
            m_pending.push_back({std::move(all), 0, 0});
        while (!m_pending.empty())
        {
            if (!m_keepGoing())
                return std::nullopt;
            Pending p = std::move(m_pending.back());
            m_pending.pop_back();
            const bool done = p.offset == 0 && p.counted == 0 && wantsHashing(p.members)
                                  ? hashFirstBlocks(std::move(p.members))
                                  : splitOnce(std::move(p.members), p.offset, p.counted);
            if (!done)
                return std::nullopt;
        }
        if (m_tally)
        {
            for (size_t m = 0; m < m_unreadable.size(); ++m)
            {
                if (m_unreadable[m])
                    m_tally->unreadable.push_back(static_cast<qsizetype>(m));
            }
        }
        return inFirstMemberOrder(std::move(m_groups));
    }

private:
    struct Pending
    {
        std::vector<qsizetype> members; // ascending
        qint64 offset;
        // Bytes from the start of each member read and counted already: where the first blocks
        // were hashed, their bytes are compared now but counted once.
        qint64 counted;
    };

    ReadOnlyFile &file(qsizetype m) { return m_files[static_cast<size_t>(m)]; }
    qint64 length(qsizetype m) const { return m_lengths[static_cast<size_t>(m)]; }
    // How much of member m a block of `size` at `offset` covers.
    qint64 extent(qsizetype m, qint64 size, qint64 offset) const { return std::min(size, length(m) - offset); }

    void close(qsizetype m)
    {
        file(m).close();
        char &held = m_held[static_cast<size_t>(m)];
        if (held)
            heldOpen.fetch_sub(1);
        held = 0;
    }

    void closeAll(const std::vector<qsizetype> &members)
    {
        for (qsizetype m : members)
            close(m);
    }

    // A set that is fully read is a group; a set of one is done; the rest waits for its next block.
    void pushOrSettle(std::vector<qsizetype> members, qint64 offset, qint64 counted)
    {
        if (members.size() >= 2 && offset >= length(members.front()))
        {
            closeAll(members);
            m_groups.push_back(std::move(members));
            return;
        }
        if (members.size() < 2)
        {
            closeAll(members);
            return;
        }
        m_pending.push_back({std::move(members), offset, counted});
    }

    // The most that is left to read of the members from offset on: what the first round took as
    // their lengths, or before it what the walk saw (-1 when nobody knows).
    qint64 leftToRead(const std::vector<qsizetype> &members, qint64 offset) const
    {
        if (offset > 0)
            return length(members.front()) - offset;
        qint64 most = 0;
        for (const qsizetype m : members)
        {
            const qint64 expected = m_members.expectedSize(m);
            if (expected < 0)
                return -1;
            most = std::max(most, expected);
        }
        return most;
    }

    qint64 blockSize(const std::vector<qsizetype> &members, qint64 offset) const
    {
        // Start small so that files differing early cost little, then grow geometrically.
        const qint64 grown = std::clamp(offset, FirstBlock, LargestBlock);
        const qint64 share = std::max(SmallestBlock, (RoundMemory / static_cast<qint64>(members.size())) & ~qint64{63});
        // A 4 KiB file needs no 64 KiB block: each member's place in the round's buffer is no
        // larger than what is left of the files, so small files are read whole in fewer pages.
        const qint64 left = leftToRead(members, offset);
        const qint64 needed = left > 0 ? (left + 63) & ~qint64{63} : grown;
        return std::min({grown, share, needed});
    }

    // Reads member m's part of the block at offset into buffer, for the caller to count; false
    // when that fails. A file opened again must still have the length it had in the first round.
    // A member of a small set stays open; one of a large set only while the budget of held files
    // allows.
    bool readBlock(qsizetype m, char *buffer, qint64 size, qint64 offset, bool smallSet, OpenedFolder *folder)
    {
        ReadOnlyFile &f = file(m);
        if (!f.isOpen())
        {
            if (!m_members.open(m, f, folder))
            {
                // A file that is gone, or is a link or a FIFO now, was not kept from being read.
                m_unreadable[static_cast<size_t>(m)] = FileFunctions::fileExists(m_members.path(m));
                return false;
            }
            if (length(m) < 0)
                m_lengths[static_cast<size_t>(m)] = f.size();
            else if (f.size() != length(m))
            {
                f.close();
                return false;
            }
        }
        const qint64 want = extent(m, size, offset);
        if (f.readAt(buffer, want, offset) != want)
        {
            m_unreadable[static_cast<size_t>(m)] = 1;
            close(m);
            return false;
        }
        char &held = m_held[static_cast<size_t>(m)];
        if (!smallSet && !held)
        {
            if (holdOpen(m_budget))
                held = 1;
            else
                f.close();
        }
        return true;
    }

    bool sameBlock(const std::vector<qsizetype> &members, qsizetype i, qsizetype j, qint64 size, qint64 offset)
    {
        const qsizetype a = members[static_cast<size_t>(i)];
        const qsizetype b = members[static_cast<size_t>(j)];
        return length(a) == length(b) &&
               std::memcmp(block(i, size), block(j, size), static_cast<size_t>(extent(a, size, offset))) == 0;
    }

    // Whether a set of `count` members is held open whole from round to round.
    bool isSmall(qsizetype count)
    {
        if (count <= AlwaysSmallSet)
            return true;
        if (m_smallLimit < 0)
            m_smallLimit = smallSetLimit();
        return count <= m_smallLimit;
    }

    // Reads the block at offset of every member into its place in the round buffer and marks the
    // members read; counts the bytes from `counted` on. False when the search was stopped.
    bool readRound(const std::vector<qsizetype> &members, qint64 size, qint64 offset, qint64 counted,
                   std::vector<char> &read)
    {
        const bool smallSet = isSmall(static_cast<qsizetype>(members.size()));
        return forEachMember(members, [&](qsizetype i, OpenedFolder *folder) {
            const qsizetype m = members[static_cast<size_t>(i)];
            const bool ok = readBlock(m, block(i, size), size, offset, smallSet, folder);
            if (ok)
            {
                const qint64 got = extent(m, size, offset);
                countRead(m_tally, got - std::clamp(counted - offset, qint64{0}, got));
            }
            read[static_cast<size_t>(i)] = ok;
        });
    }

    // The positions of members (below 2^32, as record numbers are), each under its locality in
    // the high half, sorted: 8 bytes a member, as a round may have millions.
    std::vector<quint64> inLocalityOrder(const std::vector<qsizetype> &members) const
    {
        std::vector<quint64> order(members.size());
        for (size_t i = 0; i < members.size(); ++i)
            order[i] = quint64{m_members.locality(members[i])} << 32 | static_cast<quint32>(i);
        std::sort(order.begin(), order.end());
        return order;
    }

    // Runs readOne for every position of a round's members, with the reading thread's folder, in
    // the members' order of locality so that a folder's files are opened one after another. A
    // large round is shared out: helper threads take stretches of members of their own, as the
    // other cores would otherwise wait for this one set. False when the search was stopped.
    bool forEachMember(const std::vector<qsizetype> &members,
                       const std::function<void(qsizetype, OpenedFolder *)> &readOne)
    {
        const auto count = static_cast<qsizetype>(members.size());
        if (!isSmall(count) && m_budget < 0)
            m_budget = heldOpenBudget();
        const std::vector<quint64> order = inLocalityOrder(members);
        // Opening a folder first pays only where its files are opened one after another; a lone
        // file is opened by its path.
        auto visit = [&](qsizetype i, OpenedFolder &folder) {
            const auto at = static_cast<size_t>(i);
            auto place = [&](size_t k) { return order[k] >> 32; };
            const bool nearOthers =
                (at > 0 && place(at - 1) == place(at)) || (at + 1 < order.size() && place(at + 1) == place(at));
            readOne(static_cast<qsizetype>(order[at] & 0xFFFFFFFFu), nearOthers ? &folder : nullptr);
        };
        const int helpers = count >= SharedRoundMembers ? static_cast<int>(m_folders.size()) - 1 : 0;
        const qsizetype stretch = (count + helpers) / (helpers + 1);
        std::atomic<bool> stop{false};
        std::vector<std::exception_ptr> failures(static_cast<size_t>(helpers));
        std::vector<std::thread> threads;
        std::exception_ptr failure;
        bool stopped = false;
        try
        {
            for (int h = 1; h <= helpers; ++h)
            {
                threads.emplace_back([&, h] {
                    try
                    {
                        for (qsizetype i = h * stretch; i < std::min(count, (h + 1) * stretch) && !stop; ++i)
                            visit(i, m_folders[static_cast<size_t>(h)]);
                    }
                    catch (...)
                    {
                        failures[static_cast<size_t>(h - 1)] = std::current_exception();
                        stop = true;
                    }
                });
            }
            // keepGoing may only be asked on this thread.
            for (qsizetype i = 0; i < std::min(count, stretch) && !stop; ++i)
            {
                if (i % FilesPerCheck == FilesPerCheck - 1 && !m_keepGoing())
                {
                    stopped = true;
                    break;
                }
                visit(i, m_folders[0]);
            }
        }
        catch (...)
        {
            failure = std::current_exception();
        }
        if (stopped || failure)
            stop = true;
        joinAndRethrow(threads, failure, failures);
        return !stopped;
    }

    // Waits for the helper threads, then passes on the first failure: this thread's, else the
    // first helper's.
    static void joinAndRethrow(std::vector<std::thread> &threads, std::exception_ptr failure,
                               const std::vector<std::exception_ptr> &failures)
    {
        for (std::thread &t : threads)
            t.join();
        for (const std::exception_ptr &f : failures)
        {
            if (!failure)
                failure = f;
        }
        if (failure)
            std::rethrow_exception(failure);
    }

    // Splits the set by the hashes the walk made of its members' bytes, when it made one of every
    // member: only members whose hashes meet go on, to be read and compared byte by byte. A member
    // alone with its hash is done with unopened; its bytes count as read, since the walk read them.
    // False, and nothing done, when a member has no such hash.
    bool splitByListedHashes(const std::vector<qsizetype> &members)
    {
        std::unordered_map<quint64, size_t> partOf;
        std::vector<std::vector<qsizetype>> parts;
        for (const qsizetype m : members)
        {
            const std::optional<quint64> hash = m_members.listedHash(m);
            if (!hash)
                return false;
            const auto [it, added] = partOf.try_emplace(*hash, parts.size());
            if (added)
                parts.emplace_back();
            parts[it->second].push_back(m);
        }
        // Pushed last-first so that the first part is split next, as splitOnce does.
        for (auto part = parts.rbegin(); part != parts.rend(); ++part)
        {
            if (part->size() >= 2)
                m_pending.push_back({std::move(*part), 0, 0});
            else
                countRead(m_tally, std::max<qint64>(0, m_members.expectedSize(part->front())));
        }
        return true;
    }

    // A set whose first blocks would fill a large round buffer: the fresh memory of such a buffer
    // costs more to fault in than reading the blocks does.
    bool wantsHashing(const std::vector<qsizetype> &members) const
    {
        const qint64 first = std::min(FirstBlock, std::max<qint64>(leftToRead(members, 0), SmallestBlock));
        return static_cast<qint64>(members.size()) * first > HashedRoundMemory;
    }

    // The first round of a large set: each member's first 4 KiB (a small file whole) are read into
    // a small buffer that is used again for the next member, and only their hash is kept. A member
    // whose length and hash no other member shares cannot equal any of them and is done with;
    // the others go on in parts of equal hashes, whose next round reads the first block again
    // (from the page cache, where it just was) and compares its bytes. False when stopped.
    bool hashFirstBlocks(std::vector<qsizetype> members)
    {
        const qsizetype count = static_cast<qsizetype>(members.size());
        const qint64 size = std::min(HashedBlock, std::max<qint64>(leftToRead(members, 0), SmallestBlock));
        std::vector<quint64> hashes(members.size(), 0);
        std::vector<char> read(members.size(), 0); // not vector<bool>: threads set neighbouring entries
        const bool done = forEachMember(members, [&](qsizetype i, OpenedFolder *folder) {
            const qsizetype m = members[static_cast<size_t>(i)];
            char *buffer = ReadBuffers::get(0, size);
            if (!readBlock(m, buffer, size, 0, false, folder))
                return;
            countRead(m_tally, extent(m, size, 0));
            hashes[static_cast<size_t>(i)] =
                BlockHash::of(buffer, static_cast<size_t>(extent(m, size, 0))) ^ static_cast<quint64>(length(m));
            read[static_cast<size_t>(i)] = 1;
        });
        if (!done)
            return false;
        std::unordered_map<quint64, size_t> partOf;
        std::vector<std::vector<qsizetype>> parts;
        for (qsizetype i = 0; i < count; ++i)
        {
            const qsizetype m = members[static_cast<size_t>(i)];
            if (!read[static_cast<size_t>(i)])
            {
                close(m);
                continue;
            }
            const auto [it, added] = partOf.try_emplace(hashes[static_cast<size_t>(i)], parts.size());
            if (added)
                parts.emplace_back();
            parts[it->second].push_back(m);
        }
        // Pushed last-first so that the first part is split next, as splitOnce does.
        for (auto part = parts.rbegin(); part != parts.rend(); ++part)
        {
            if (part->size() < 2)
                closeAll(*part);
            else
                m_pending.push_back({std::move(*part), 0, size});
        }
        return true;
    }

    // One round: reads the next block of every member and splits the set where blocks (or, in
    // the first round, lengths) differ. False when the search was stopped.
    bool splitOnce(std::vector<qsizetype> members, qint64 offset, qint64 counted)
    {
        const qsizetype count = static_cast<qsizetype>(members.size());
        const qint64 size = blockSize(members, offset);
        m_buffer = ReadBuffers::get(2, size * count);
        std::vector<char> read(members.size(), 0); // not vector<bool>: threads set neighbouring entries
        if (!readRound(members, size, offset, counted, read))
            return false;
        std::vector<qsizetype> readable; // positions in members
        readable.reserve(members.size());
        for (qsizetype i = 0; i < count; ++i)
        {
            if (read[static_cast<size_t>(i)])
                readable.push_back(i);
        }
        const std::vector<std::vector<qsizetype>> parts = equalParts(members, readable, size, offset);
        std::vector<bool> kept(members.size(), false);
        // Pushed last-first so that the first part is split next: one set's files at a time stay open.
        for (auto part = parts.rbegin(); part != parts.rend(); ++part)
        {
            std::vector<qsizetype> next;
            next.reserve(part->size());
            for (qsizetype i : *part)
            {
                next.push_back(members[static_cast<size_t>(i)]);
                kept[static_cast<size_t>(i)] = true;
            }
            const qint64 nextOffset = offset + extent(next.front(), size, offset);
            pushOrSettle(std::move(next), nextOffset, counted);
        }
        for (qsizetype i = 0; i < count; ++i)
        {
            if (!kept[static_cast<size_t>(i)])
                close(members[static_cast<size_t>(i)]);
        }
        return true;
    }

    // The readable members (positions in `members`) in parts of equal blocks, each part in member
    // order: compared one by one when there are few, else sorted out by a hash of each block first.
    std::vector<std::vector<qsizetype>> equalParts(const std::vector<qsizetype> &members,
                                                   const std::vector<qsizetype> &readable, qint64 size, qint64 offset)
    {
        std::vector<std::vector<qsizetype>> parts;
        if (static_cast<qsizetype>(readable.size()) <= LinearSplitLimit)
        {
            for (qsizetype i : readable)
            {
                auto part = std::find_if(parts.begin(), parts.end(),
                                         [&](const auto &p) { return sameBlock(members, p.front(), i, size, offset); });
                if (part == parts.end())
                    parts.push_back({i});
                else
                    part->push_back(i);
            }
            return parts;
        }
        std::unordered_map<quint64, std::vector<size_t>> byHash; // hash -> indices into parts
        for (qsizetype i : readable)
        {
            const qsizetype m = members[static_cast<size_t>(i)];
            const quint64 hash = BlockHash::of(block(i, size), static_cast<size_t>(extent(m, size, offset)));
            auto &candidates = byHash[hash ^ static_cast<quint64>(length(m))];
            auto part = std::find_if(candidates.begin(), candidates.end(),
                                     [&](size_t c) { return sameBlock(members, parts[c].front(), i, size, offset); });
            if (part == candidates.end())
            {
                candidates.push_back(parts.size());
                parts.push_back({i});
            }
            else
                parts[*part].push_back(i);
        }
        return parts;
    }

    char *block(qsizetype i, qint64 size) { return m_buffer + i * size; }

    const Members &m_members;
    const KeepGoing &m_keepGoing;
    Tally *m_tally;
    std::vector<ReadOnlyFile> m_files;
    std::vector<qint64> m_lengths;       // current lengths, -1 until the first round opened the file
    std::vector<char> m_held;            // open and counted in heldOpen (not vector<bool>: threads set entries)
    std::vector<char> m_unreadable;      // could not be opened or read (threads set entries)
    std::vector<OpenedFolder> m_folders; // one per thread reading a round
    qint64 m_budget = -1;                // files of large sets held open at most, once a large set is read
    qsizetype m_smallLimit = -1;         // smallSetLimit(), once a set larger than AlwaysSmallSet is read
    std::vector<Pending> m_pending;
    char *m_buffer = nullptr;
    Groups m_groups;
};

// One file's digests of its whole 1000-byte blocks; empty when the fuzzy look-up cannot use it.
struct FuzzyFile
{
    bool usable = false;
    bool unreadable = false; // there, but could not be opened or read
    qint64 length = 0;
    std::vector<quint64> digests;
};

// Stopped when keepGoing answers false between two chunks of a large file.
std::optional<FuzzyFile> readFuzzy(const QString &path, const KeepGoing &keepGoing, Tally *tally)
{
    FuzzyFile out;
    if (SearchEngine::isHiddenFile(path) || !FileFunctions::fileExists(path))
        return out;
    ReadOnlyFile f;
    if (!f.open(path))
    {
        out.unreadable = true;
        return out;
    }
    out.length = f.size();
    const qint64 blocks = out.length / FuzzyBlock;
    if (blocks == 0)
        return out;
    f.adviseSequential();
    constexpr qint64 Chunk = FuzzyBlock * 256;
    const qint64 whole = blocks * FuzzyBlock;
    char *buffer = ReadBuffers::get(3, std::min(Chunk, whole));
    out.digests.reserve(static_cast<size_t>(blocks));
    for (qint64 offset = 0; offset < whole; offset += Chunk)
    {
        if (offset > 0 && !keepGoing())
            return std::nullopt;
        const qint64 want = std::min(Chunk, whole - offset);
        if (f.readAt(buffer, want, offset) != want)
        {
            FuzzyFile failed;
            failed.unreadable = true;
            return failed;
        }
        countRead(tally, want);
        for (qint64 k = 0; k < want; k += FuzzyBlock)
            out.digests.push_back(BlockHash::of(buffer + k, FuzzyBlock));
    }
    out.usable = true;
    return out;
}

// The literal rule over files that cannot all be held as digests.
std::optional<Groups> fuzzyPairwise(const Members &members, const KeepGoing &keepGoing)
{
    Groups groups;
    const auto count = static_cast<size_t>(members.count());
    std::vector<bool> taken(count, false);
    for (size_t i = 0; i < count; ++i)
    {
        if (taken[i])
            continue;
        const QString first = members.path(static_cast<qsizetype>(i));
        std::vector<qsizetype> group{static_cast<qsizetype>(i)};
        for (size_t j = i + 1; j < count; ++j)
        {
            if (taken[j])
                continue;
            if (!keepGoing())
                return std::nullopt;
            if (SearchEngine::compareFilesFuzzy(first, members.path(static_cast<qsizetype>(j))) == 1)
            {
                taken[j] = true;
                group.push_back(static_cast<qsizetype>(j));
            }
        }
        if (group.size() >= 2)
            groups.push_back(std::move(group));
    }
    return groups;
}
} // namespace

bool RecordMembers::open(qsizetype m, ReadOnlyFile &file, OpenedFolder *folder) const
{
    if (!folder)
        return file.open(path(m));
    const FileList::Index r = m_records[static_cast<size_t>(m)];
    const quint32 number = m_files.folderIndex(r);
    if (folder->number != number)
    {
        folder->fd = ReadOnlyFile::openFolder(m_files.folder(r));
        folder->number = number;
    }
    // A folder that cannot be opened by itself may still let its file be opened by path.
    return folder->fd.valid() ? file.openIn(folder->fd, m_files.name(r)) : file.open(path(m));
}

void prepareProcess()
{
    ReadOnlyFile::reserveDescriptors(usableDescriptors());
    HeapTuning::returnLargeBlocksWhenFreed();
}

std::optional<Groups> find(Method method, const Members &members, const KeepGoing &keepGoing, Tally *tally)
{
    switch (method)
    {
    case Method::Fuzzy:
        return fuzzy(members, keepGoing, tally);
    case Method::Crc:
        return crc(members, keepGoing, tally);
    case Method::Exact:
        break;
    }
    return exact(members, keepGoing, tally);
}

std::optional<Groups> exact(const Members &members, const KeepGoing &keepGoing, Tally *tally)
{
    // A pair too: its reading then stops between blocks when the search is stopped.
    return ExactSplitter(members, keepGoing, tally).run();
}

std::optional<Groups> crc(const Members &members, const KeepGoing &keepGoing, Tally *tally)
{
    // Equal checksums make an equivalence, so the groups are its classes of two or more.
    std::unordered_map<quint32, size_t> groupOf;
    Groups all;
    const auto count = static_cast<size_t>(members.count());
    for (size_t m = 0; m < count; ++m)
    {
        if (m % FilesPerCheck == FilesPerCheck - 1 && !keepGoing())
            return std::nullopt;
        bool stopped = false;
        const KeepGoing watched = [&] {
            stopped = !keepGoing();
            return !stopped;
        };
        const QString path = members.path(static_cast<qsizetype>(m));
        const qint64 before = tally ? tally->bytesRead.load(std::memory_order_relaxed) : 0;
        const std::optional<quint32> sum = SearchEngine::fileCrc32(path, watched, tally ? &tally->bytesRead : nullptr);
        if (tally && tally->alsoRead)
            tally->alsoRead->fetch_add(tally->bytesRead.load(std::memory_order_relaxed) - before);
        if (stopped)
            return std::nullopt;
        if (!sum)
        {
            if (tally && FileFunctions::fileExists(path))
                tally->unreadable.push_back(static_cast<qsizetype>(m));
            continue;
        }
        const auto [it, added] = groupOf.try_emplace(*sum, all.size());
        if (added)
            all.emplace_back();
        all[it->second].push_back(static_cast<qsizetype>(m));
    }
    Groups groups;
    for (auto &g : all)
    {
        if (g.size() >= 2)
            groups.push_back(std::move(g));
    }
    return groups;
}

std::optional<Groups> fuzzy(const Members &members, const KeepGoing &keepGoing, Tally *tally)
{
    std::vector<FuzzyFile> files;
    files.reserve(static_cast<size_t>(members.count()));
    qint64 digestBytes = 0;
    for (qsizetype m = 0; m < members.count(); ++m)
    {
        if (!keepGoing())
            return std::nullopt;
        std::optional<FuzzyFile> file = readFuzzy(members.path(m), keepGoing, tally);
        if (!file)
            return std::nullopt;
        if (file->unreadable && tally)
            tally->unreadable.push_back(static_cast<qsizetype>(files.size()));
        files.push_back(std::move(*file));
        digestBytes += static_cast<qint64>(files.back().digests.size() * sizeof(quint64));
        if (digestBytes > FuzzyDigestMemory)
            return fuzzyPairwise(members, keepGoing);
    }
    auto matches = [](const FuzzyFile &a, const FuzzyFile &b) {
        if (!a.usable || !b.usable || a.length != b.length)
            return false;
        qint64 equal = 0;
        for (size_t k = 0; k < a.digests.size(); ++k)
            equal += a.digests[k] == b.digests[k] ? 1 : 0;
        return ListRules::similarEnough(equal, static_cast<qint64>(a.digests.size()));
    };
    Groups groups;
    std::vector<bool> taken(files.size(), false);
    for (size_t i = 0; i < files.size(); ++i)
    {
        if (taken[i] || !files[i].usable)
            continue;
        if (!keepGoing())
            return std::nullopt;
        std::vector<qsizetype> group{static_cast<qsizetype>(i)};
        for (size_t j = i + 1; j < files.size(); ++j)
        {
            if (!taken[j] && matches(files[i], files[j]))
            {
                taken[j] = true;
                group.push_back(static_cast<qsizetype>(j));
            }
        }
        if (group.size() >= 2)
            groups.push_back(std::move(group));
    }
    return groups;
}
} // namespace ContentGroups
