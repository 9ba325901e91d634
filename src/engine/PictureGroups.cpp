// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PictureGroups.h"

#include <QCoreApplication>

#include <algorithm>
#include <numeric>
#include <tuple>

namespace
{
quint16 quarter(quint64 hash, int q)
{
    return static_cast<quint16>(hash >> (16 * q));
}

// Every 16-bit value, by the number of bits set: the values within k bits of a quarter are the
// quarter XOR the first upTo(k) of them.
struct Flips
{
    std::array<quint16, 1 << 16> values{};
    std::array<int, 18> upTo{}; // upTo[k]: how many values have at most k - 1 bits set

    Flips()
    {
        int n = 0;
        for (int bits = 0; bits <= 16; ++bits)
        {
            upTo[bits] = n;
            for (int v = 0; v < (1 << 16); ++v)
                if (static_cast<int>(qPopulationCount(static_cast<quint32>(v))) == bits)
                    values[n++] = static_cast<quint16>(v);
        }
        upTo[17] = n;
    }
};

const Flips &flips()
{
    static const Flips table;
    return table;
}
} // namespace

void HammingIndex::insert(quint64 hash, int id)
{
    ++m_count;
    for (int q = 0; q < Quarters; ++q)
    {
        Table &table = m_tables[q];
        if (table.entries.empty())
        {
            table.entries.resize(Values);
            table.used.resize(Values / 64);
        }
        const quint16 value = quarter(hash, q);
        table.entries[value].push_back({hash, id});
        table.used[value / 64] |= quint64(1) << (value % 64);
    }
}

QList<int> HammingIndex::within(quint64 hash, int maxDistance) const
{
    QList<int> found;
    if (m_count == 0)
        return found;
    const int perQuarter = std::clamp(maxDistance, 0, 64) / Quarters;
    const Flips &f = flips();
    const int probes = f.upTo[perQuarter + 1];
    for (int q = 0; q < Quarters; ++q)
    {
        const Table &table = m_tables[q];
        const quint16 own = quarter(hash, q);
        for (int p = 0; p < probes; ++p)
        {
            const quint16 value = own ^ f.values[p];
            if (!(table.used[value / 64] & (quint64(1) << (value % 64))))
                continue;
            for (const Entry &entry : table.entries[value])
            {
                const quint64 other = entry.hash;
                // Found once: by the first quarter within reach, which an earlier pass looked up.
                bool earlier = false;
                for (int e = 0; e < q && !earlier; ++e)
                    earlier = static_cast<int>(qPopulationCount(static_cast<quint32>(quarter(other ^ hash, e)))) <=
                              perQuarter;
                if (!earlier && PictureHash::distance(other, hash) <= maxDistance)
                    found.append(entry.id);
            }
        }
    }
    return found;
}

namespace PictureGroups
{
QList<PictureLevel> levels()
{
    return {PictureLevel::Strict, PictureLevel::Close, PictureLevel::Loose};
}

QString levelName(PictureLevel level)
{
    switch (level)
    {
    case PictureLevel::Strict:
        return QCoreApplication::translate("PictureGroups", "Strict");
    case PictureLevel::Close:
        return QCoreApplication::translate("PictureGroups", "Close");
    case PictureLevel::Loose:
        return QCoreApplication::translate("PictureGroups", "Loose");
    }
    return {};
}

QList<QList<int>> find(const QList<PictureFacts> &pictures, PictureLevel level)
{
    const PictureHash::Limits limit = PictureHash::limits(level);
    const auto count = static_cast<int>(pictures.size());

    // Largest first, so that each group's first picture is the best copy to keep.
    std::vector<int> bySize(count);
    std::iota(bySize.begin(), bySize.end(), 0);
    std::sort(bySize.begin(), bySize.end(), [&](int a, int b) {
        return std::tuple(-pictures[a].pixels(), -pictures[a].fileSize, a) <
               std::tuple(-pictures[b].pixels(), -pictures[b].fileSize, b);
    });
    std::vector<int> rank(count);
    for (int r = 0; r < count; ++r)
        rank[bySize[r]] = r;

    // Each picture joins the nearest larger group's first picture within the limit, or starts a
    // group of its own. Members are never compared with each other: closeness to the first picture
    // is what a group means, and two members may be further apart than the limit.
    HammingIndex firsts;
    std::vector<int> groupOf(count, -1);
    std::vector<std::vector<int>> members;
    const auto distanceTo = [&](int first, int p) {
        return PictureHash::distance(pictures[first].dctHash, pictures[p].dctHash);
    };
    const auto gradientDistance = [&](int first, int p) {
        return PictureHash::distance(pictures[first].gradientHash, pictures[p].gradientHash);
    };
    for (const int p : bySize)
    {
        // The DCT hash finds the candidates; the gradient hash, which a chance likeness in the DCT
        // hash rarely shares, confirms them.
        int best = -1;
        for (const int first : firsts.within(pictures[p].dctHash, limit.dct))
        {
            if (gradientDistance(first, p) > limit.gradient)
                continue;
            if (best < 0 || std::tuple(distanceTo(first, p), gradientDistance(first, p), rank[first]) <
                                std::tuple(distanceTo(best, p), gradientDistance(best, p), rank[best]))
                best = first;
        }
        if (best >= 0)
        {
            members[groupOf[best]].push_back(p);
            continue;
        }
        groupOf[p] = static_cast<int>(members.size());
        members.push_back({p});
        firsts.insert(pictures[p].dctHash, p);
    }

    struct Group
    {
        std::vector<int> members;
        int widest = 0;
        int total = 0;
    };
    std::vector<Group> groups;
    for (auto &list : members)
    {
        if (list.size() < 2)
            continue;
        const int first = list.front();
        std::sort(list.begin() + 1, list.end(), [&](int a, int b) {
            return std::pair(distanceTo(first, a), rank[a]) < std::pair(distanceTo(first, b), rank[b]);
        });
        Group group{std::move(list)};
        for (size_t i = 1; i < group.members.size(); ++i)
        {
            group.widest = std::max(group.widest, distanceTo(first, group.members[i]));
            group.total += distanceTo(first, group.members[i]);
        }
        groups.push_back(std::move(group));
    }
    // Mean distances compared without division: total_a / n_a < total_b / n_b.
    std::sort(groups.begin(), groups.end(), [&](const Group &a, const Group &b) {
        const auto sizeA = static_cast<qint64>(a.members.size() - 1);
        const auto sizeB = static_cast<qint64>(b.members.size() - 1);
        return std::tuple(a.widest, a.total * sizeB, rank[a.members.front()]) <
               std::tuple(b.widest, b.total * sizeA, rank[b.members.front()]);
    });

    QList<QList<int>> result;
    result.reserve(static_cast<qsizetype>(groups.size()));
    for (const Group &group : groups)
        result.append(QList<int>(group.members.begin(), group.members.end()));
    return result;
}
} // namespace PictureGroups
