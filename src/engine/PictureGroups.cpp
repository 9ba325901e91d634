// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PictureGroups.h"

#include <QCoreApplication>

#include <algorithm>
#include <numeric>
#include <tuple>

void HammingTree::insert(quint64 hash, int id)
{
    const int added = static_cast<int>(m_nodes.size());
    m_nodes.push_back({hash, id, {}});
    if (added == 0)
        return;
    int at = 0;
    for (;;)
    {
        const int d = PictureHash::distance(m_nodes[at].hash, hash);
        auto &children = m_nodes[at].children;
        const auto slot = std::lower_bound(children.begin(), children.end(), std::pair(d, -1));
        if (slot == children.end() || slot->first != d)
        {
            children.insert(slot, {d, added});
            return;
        }
        at = slot->second;
    }
}

QList<int> HammingTree::within(quint64 hash, int maxDistance) const
{
    QList<int> found;
    if (m_nodes.empty())
        return found;
    std::vector<int> todo{0};
    while (!todo.empty())
    {
        const Node &node = m_nodes[todo.back()];
        todo.pop_back();
        const int d = PictureHash::distance(node.hash, hash);
        if (d <= maxDistance)
            found.append(node.id);
        // By the triangle inequality only children at a distance in [d - max, d + max] can hold
        // a hash within max of the query.
        const auto first = std::lower_bound(node.children.begin(), node.children.end(), std::pair(d - maxDistance, -1));
        for (auto child = first; child != node.children.end() && child->first <= d + maxDistance; ++child)
            todo.push_back(child->second);
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

Limits limits(PictureLevel level)
{
    switch (level)
    {
    case PictureLevel::Strict:
        return {6, 8};
    case PictureLevel::Close:
        return {12, 14};
    case PictureLevel::Loose:
        return {16, 16};
    }
    return {};
}

QList<QList<int>> find(const QList<PictureFacts> &pictures, PictureLevel level)
{
    const Limits limit = limits(level);
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
    HammingTree firsts;
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
