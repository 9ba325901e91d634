// SPDX-License-Identifier: GPL-3.0-or-later
// CHive's self-check for the tests: the tree's order and red-black rules, the positions, the counts.
#include "core/CHive.h"

#include <functional>

namespace
{
constexpr qint32 Red = 1;
constexpr qint32 Black = 0;
} // namespace

bool CHive::checkInvariants(QString *why) const
{
    QString problem;
    if (!m_nodePool)
    {
        if (m_count != 0 || m_root != 0)
            problem = QStringLiteral("uninitialised but not empty");
    }
    else
    {
        std::set<qint32> reachable;
        problem = treeProblem(reachable);
        if (problem.isEmpty())
            problem = positionProblem(reachable);
    }
    if (why && !problem.isEmpty())
        *why = problem;
    return problem.isEmpty();
}

QString CHive::treeProblem(std::set<qint32> &reachable) const
{
    if (link(0).color != Black || link(0).left != 0 || link(0).right != 0)
        return QStringLiteral("sentinel changed");
    if (link(m_root).color != Black)
        return QStringLiteral("red root");
    if (m_root != 0 && link(m_root).parent != 0)
        return QStringLiteral("root has a parent");
    QString problem;
    // Returns the black height of the subtree, or -1 after a violation.
    std::function<int(qint32)> walk = [&](qint32 n) -> int {
        if (n == 0)
            return 1;
        if (!reachable.insert(n).second)
        {
            problem = QStringLiteral("cycle");
            return -1;
        }
        problem = nodeProblem(n);
        if (!problem.isEmpty())
            return -1;
        const int lh = walk(link(n).left);
        const int rh = walk(link(n).right);
        if (lh < 0 || rh < 0)
            return -1;
        if (lh != rh)
        {
            problem = QStringLiteral("unequal black heights");
            return -1;
        }
        return lh + (link(n).color == Black ? 1 : 0);
    };
    if (walk(m_root) < 0)
        return problem;
    // In-order keys must not descend (subtree bounds, not only parent/child pairs).
    std::optional<QVariant> previous;
    std::function<bool(qint32)> inorder = [&](qint32 n) -> bool {
        if (n == 0)
            return true;
        if (!inorder(link(n).left))
            return false;
        const QVariant key = keyOf(n);
        if (previous && compareKeys(*previous, key) > 0)
            return false;
        previous = key;
        return inorder(link(n).right);
    };
    if (!inorder(m_root))
        return QStringLiteral("keys out of order");
    return {};
}

QString CHive::nodeProblem(qint32 n) const
{
    const HiveLink &nd = link(n);
    for (qint32 c : {nd.left, nd.right})
    {
        if (c != 0 && link(c).parent != n)
            return QStringLiteral("bad parent link");
        if (nd.color == Red && c != 0 && link(c).color == Red)
            return QStringLiteral("red node with a red child");
    }
    // With duplicates allowed, rotations may put an equal key on the left; the in-order check
    // still holds then.
    if (!allowDuplicate && nd.left != 0 && compareKeys(keyOf(nd.left), keyOf(n)) >= 0)
        return QStringLiteral("left child not smaller");
    if (nd.right != 0 && compareKeys(keyOf(nd.right), keyOf(n)) < 0)
        return QStringLiteral("right child smaller");
    return {};
}

QString CHive::positionProblem(const std::set<qint32> &reachable) const
{
    if (static_cast<qint32>(reachable.size()) != m_count)
        return QStringLiteral("reachable nodes differ from Count");
    if (static_cast<qint32>(m_positions.size()) < m_count + 1)
        return QStringLiteral("position table too small");
    if (nodeTableLastSlot() < m_nodePool->lastSlot())
        return QStringLiteral("node table smaller than the pool");
    std::set<qint32> listed;
    for (qint32 p = 1; p <= m_count; ++p)
    {
        const qint32 n = nodeAt(p);
        if (!reachable.count(n) || !listed.insert(n).second)
            return QStringLiteral("position %1 does not list a distinct entry").arg(p);
        if (positionOfNode(n) != p)
            return QStringLiteral("position %1 does not lead back").arg(p);
    }
    return {};
}
