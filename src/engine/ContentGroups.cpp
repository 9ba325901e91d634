#include "engine/ContentGroups.h"

#include "engine/ReadBuffers.h"
#include "engine/SearchEngine.h"
#include "platform/FileFunctions.h"
#include "platform/ReadOnlyFile.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <string_view>
#include <unordered_map>

namespace ContentGroups
{
namespace
{
// At most this many files of one set stay open between reads; a larger set opens each file
// for its read and closes it again.
constexpr qsizetype OpenFileLimit = 128;
// Read buffers of one round share this much memory: a large set reads smaller blocks.
constexpr qint64 RoundMemory = qint64{32} << 20;
constexpr qint64 FirstBlock = qint64{64} << 10;
constexpr qint64 LargestBlock = qint64{1} << 20;
constexpr qint64 SmallestBlock = 64;
// A set of up to this many files is split by comparing each block with the first block of
// every part; larger sets are bucketed by a hash of the block first.
constexpr qsizetype LinearSplitLimit = 8;
constexpr qint64 FuzzyBlock = 1000;
// Fuzzy digests of one group beyond this (8 bytes per block) fall back to pairwise reading.
constexpr qint64 FuzzyDigestMemory = qint64{256} << 20;
// Files handled between two questions to keepGoing in the per-file loops.
constexpr qsizetype FilesPerCheck = 64;

std::string_view view(const char *data, qint64 size)
{
    return {data, static_cast<size_t>(size)};
}

Groups inFirstMemberOrder(Groups groups)
{
    for (auto &g : groups)
        std::sort(g.begin(), g.end());
    std::sort(groups.begin(), groups.end(), [](const auto &a, const auto &b) { return a.front() < b.front(); });
    return groups;
}

// Sets of members with equal content so far, read in step from `offset` on.
class ExactSplitter
{
public:
    ExactSplitter(const std::vector<QString> &paths, const KeepGoing &keepGoing)
        : m_paths(paths), m_keepGoing(keepGoing), m_files(paths.size()), m_lengths(paths.size(), -1)
    {}

    std::optional<Groups> run()
    {
        const qsizetype count = static_cast<qsizetype>(m_paths.size());
        const bool keepOpen = count <= OpenFileLimit;
        for (qsizetype m = 0; m < count; ++m)
        {
            if (m % FilesPerCheck == FilesPerCheck - 1 && !m_keepGoing())
                return std::nullopt;
            ReadOnlyFile &f = file(m);
            if (!f.open(m_paths[static_cast<size_t>(m)]))
                continue;
            m_lengths[static_cast<size_t>(m)] = f.size();
            if (!keepOpen)
                f.close();
        }
        // Pairwise comparison only ever matches files of equal current length.
        std::vector<qsizetype> order(static_cast<size_t>(count));
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return length(a) < length(b); });
        for (size_t s = 0; s < order.size();)
        {
            size_t e = s;
            while (e < order.size() && length(order[e]) == length(order[s]))
                ++e;
            if (length(order[s]) >= 0)
                pushOrSettle(
                    {order.begin() + static_cast<std::ptrdiff_t>(s), order.begin() + static_cast<std::ptrdiff_t>(e)},
                    0);
            else
                closeAll(
                    {order.begin() + static_cast<std::ptrdiff_t>(s), order.begin() + static_cast<std::ptrdiff_t>(e)});
            s = e;
        }
        while (!m_pending.empty())
        {
            if (!m_keepGoing())
                return std::nullopt;
            Pending p = std::move(m_pending.back());
            m_pending.pop_back();
            splitOnce(std::move(p.members), p.offset);
        }
        return inFirstMemberOrder(std::move(m_groups));
    }

private:
    struct Pending
    {
        std::vector<qsizetype> members; // ascending
        qint64 offset;
    };

    ReadOnlyFile &file(qsizetype m) { return m_files[static_cast<size_t>(m)]; }
    qint64 length(qsizetype m) const { return m_lengths[static_cast<size_t>(m)]; }

    void closeAll(const std::vector<qsizetype> &members)
    {
        for (qsizetype m : members)
            file(m).close();
    }

    // A set that is fully read is a group; a set of one is done; the rest waits for its next block.
    void pushOrSettle(std::vector<qsizetype> members, qint64 offset)
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
        m_pending.push_back({std::move(members), offset});
    }

    static qint64 blockSize(qint64 offset, qsizetype members)
    {
        // Start small so that files differing early cost little, then grow geometrically.
        const qint64 grown = std::clamp(offset, FirstBlock, LargestBlock);
        const qint64 share = std::max(SmallestBlock, (RoundMemory / members) & ~qint64{63});
        return std::min(grown, share);
    }

    // Reads member m's block at offset into buffer; false when that fails.
    bool readBlock(qsizetype m, char *buffer, qint64 size, qint64 offset, bool keepOpen)
    {
        ReadOnlyFile &f = file(m);
        if (!f.isOpen() && (!f.open(m_paths[static_cast<size_t>(m)]) || f.size() != length(m)))
        {
            f.close();
            return false;
        }
        const bool ok = f.readAt(buffer, size, offset) == size;
        if (!ok || !keepOpen)
            f.close();
        return ok;
    }

    void splitOnce(std::vector<qsizetype> members, qint64 offset)
    {
        const qsizetype count = static_cast<qsizetype>(members.size());
        const qint64 size = std::min(blockSize(offset, count), length(members.front()) - offset);
        const bool keepOpen = count <= OpenFileLimit;
        m_buffer = ReadBuffers::get(2, size * count);
        std::vector<qsizetype> readable; // positions in members
        readable.reserve(members.size());
        for (qsizetype i = 0; i < count; ++i)
        {
            if (readBlock(members[static_cast<size_t>(i)], block(i, size), size, offset, keepOpen))
                readable.push_back(i);
        }
        // Parts of equal blocks, each listed by positions in `members`, in member order.
        std::vector<std::vector<qsizetype>> parts;
        if (static_cast<qsizetype>(readable.size()) <= LinearSplitLimit)
        {
            for (qsizetype i : readable)
                placeLinear(parts, i, size);
        }
        else
        {
            std::unordered_map<size_t, std::vector<size_t>> byHash; // hash -> indices into parts
            std::hash<std::string_view> hasher;
            for (qsizetype i : readable)
            {
                auto &candidates = byHash[hasher(view(block(i, size), size))];
                bool placed = false;
                for (size_t c : candidates)
                {
                    if (std::memcmp(block(parts[c].front(), size), block(i, size), static_cast<size_t>(size)) == 0)
                    {
                        parts[c].push_back(i);
                        placed = true;
                        break;
                    }
                }
                if (!placed)
                {
                    candidates.push_back(parts.size());
                    parts.push_back({i});
                }
            }
        }
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
            pushOrSettle(std::move(next), offset + size);
        }
        for (qsizetype i = 0; i < count; ++i)
        {
            if (!kept[static_cast<size_t>(i)])
                file(members[static_cast<size_t>(i)]).close();
        }
    }

    void placeLinear(std::vector<std::vector<qsizetype>> &parts, qsizetype i, qint64 size)
    {
        for (auto &part : parts)
        {
            if (std::memcmp(block(part.front(), size), block(i, size), static_cast<size_t>(size)) == 0)
            {
                part.push_back(i);
                return;
            }
        }
        parts.push_back({i});
    }

    char *block(qsizetype i, qint64 size) { return m_buffer + i * size; }

    const std::vector<QString> &m_paths;
    const KeepGoing &m_keepGoing;
    std::vector<ReadOnlyFile> m_files;
    std::vector<qint64> m_lengths;
    std::vector<Pending> m_pending;
    char *m_buffer = nullptr;
    Groups m_groups;
};

// One file's digests of its whole 1000-byte blocks; empty when the fuzzy look-up cannot use it.
struct FuzzyFile
{
    bool usable = false;
    qint64 length = 0;
    std::vector<size_t> digests;
};

FuzzyFile readFuzzy(const QString &path)
{
    FuzzyFile out;
    if (SearchEngine::isHiddenFile(path) || !FileFunctions::FileExists(path))
        return out;
    ReadOnlyFile f;
    if (!f.open(path))
        return out;
    out.length = f.size();
    const qint64 blocks = out.length / FuzzyBlock;
    if (blocks == 0)
        return out;
    f.adviseSequential();
    constexpr qint64 Chunk = FuzzyBlock * 256;
    const qint64 whole = blocks * FuzzyBlock;
    char *buffer = ReadBuffers::get(3, std::min(Chunk, whole));
    out.digests.reserve(static_cast<size_t>(blocks));
    std::hash<std::string_view> hasher;
    for (qint64 offset = 0; offset < whole; offset += Chunk)
    {
        const qint64 want = std::min(Chunk, whole - offset);
        if (f.readAt(buffer, want, offset) != want)
            return {};
        for (qint64 k = 0; k < want; k += FuzzyBlock)
            out.digests.push_back(hasher(view(buffer + k, FuzzyBlock)));
    }
    out.usable = true;
    return out;
}

// The literal rule over files that cannot all be held as digests.
std::optional<Groups> fuzzyPairwise(const std::vector<QString> &paths, const KeepGoing &keepGoing)
{
    Groups groups;
    std::vector<bool> taken(paths.size(), false);
    for (size_t i = 0; i < paths.size(); ++i)
    {
        if (taken[i])
            continue;
        std::vector<qsizetype> group{static_cast<qsizetype>(i)};
        for (size_t j = i + 1; j < paths.size(); ++j)
        {
            if (taken[j])
                continue;
            if (!keepGoing())
                return std::nullopt;
            if (SearchEngine::CompareFilesFuzzy(paths[i], paths[j]) == 1)
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

std::optional<Groups> exact(const std::vector<QString> &paths, const KeepGoing &keepGoing)
{
    if (paths.size() == 2)
    {
        if (SearchEngine::CompareFilesExact(paths[0], paths[1]) == 1)
            return Groups{{0, 1}};
        return Groups{};
    }
    return ExactSplitter(paths, keepGoing).run();
}

std::optional<Groups> crc(const std::vector<QString> &paths, const KeepGoing &keepGoing)
{
    // Equal checksums make an equivalence, so the groups are its classes of two or more.
    std::unordered_map<quint32, size_t> groupOf;
    Groups all;
    for (size_t m = 0; m < paths.size(); ++m)
    {
        if (m % FilesPerCheck == FilesPerCheck - 1 && !keepGoing())
            return std::nullopt;
        const std::optional<quint32> sum = SearchEngine::fileCrc32(paths[m]);
        if (!sum)
            continue;
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

std::optional<Groups> fuzzy(const std::vector<QString> &paths, const KeepGoing &keepGoing)
{
    std::vector<FuzzyFile> files;
    files.reserve(paths.size());
    qint64 digestBytes = 0;
    for (const QString &path : paths)
    {
        if (!keepGoing())
            return std::nullopt;
        files.push_back(readFuzzy(path));
        digestBytes += static_cast<qint64>(files.back().digests.size() * sizeof(size_t));
        if (digestBytes > FuzzyDigestMemory)
            return fuzzyPairwise(paths, keepGoing);
    }
    auto matches = [](const FuzzyFile &a, const FuzzyFile &b) {
        if (!a.usable || !b.usable || a.length != b.length)
            return false;
        qint64 equal = 0;
        for (size_t k = 0; k < a.digests.size(); ++k)
            equal += a.digests[k] == b.digests[k] ? 1 : 0;
        return SearchEngine::fuzzyAccepts(equal, static_cast<qint64>(a.digests.size()));
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
