// SPDX-License-Identifier: GPL-3.0-or-later
// CHive's red-black tree: the node table, the order of keys, the descent, and the balance after
// an entry is linked in or taken out.
#include "core/CHive.h"

#include "core/CHiveKeys.h"
#include "core/RaisedError.h"
#include "core/TextCompare.h"

#include <QDateTime>

#include <utility>

using namespace HiveKeys;

namespace
{
constexpr qint32 Red = 1;
constexpr qint32 Black = 0;
} // namespace

void HiveNodeTable::use(qint32 n)
{
    while (m_links.size() <= chunk(n))
    {
        m_links.push_back(std::make_unique<HiveLink[]>(size_t{1} << Shift));
        m_entries.push_back(std::make_unique<HiveEntry[]>(size_t{1} << Shift));
    }
}

void HiveNodeTable::clear()
{
    m_links.clear();
    m_entries.clear();
    m_slots = 0;
}

CHive::LookupKey CHive::classify(const QVariant &key)
{
    LookupKey k;
    k.value = &key;
    k.text = asString(key);
    if (k.text)
        k.identifier = parseIdentifier(*k.text, k.high, k.low);
    return k;
}

int CHive::compareKeys(const QVariant &a, const QVariant &b) const
{
    const QString *sa = asString(a);
    const QString *sb = asString(b);
    if (sa && sb)
        return m_compareMode != 0 ? TextCompare::compareNoCase(*sa, *sb) : TextCompare::compareExact(*sa, *sb);
    if (isNumber(a) && isNumber(b))
    {
        const double x = a.toDouble();
        const double y = b.toDouble();
        return (x > y) - (x < y);
    }
    if (a.typeId() == QMetaType::QDateTime && b.typeId() == QMetaType::QDateTime)
    {
        const QDateTime x = a.toDateTime();
        const QDateTime y = b.toDateTime();
        return (x > y) - (x < y);
    }
    // Keys of different kinds are not ordered by meaning; keep them apart by kind, then by text.
    if (a.typeId() != b.typeId())
        return a.typeId() < b.typeId() ? -1 : 1;
    return TextCompare::compareExact(a.toString(), b.toString());
}

int CHive::compareWithNode(const LookupKey &key, qint32 n) const
{
    const HiveLink &nd = link(n);
    if (nd.kind == HiveLink::Generated && key.identifier)
        return compareIds(key.high, key.low, nd.idHigh, nd.idLow);
    if (key.text && nd.kind == HiveLink::Text)
    {
        const auto *nodeText = static_cast<const QString *>(m_owned[entry(n).values].key.constData());
        return m_compareMode != 0 ? TextCompare::compareNoCase(*key.text, *nodeText)
                                  : TextCompare::compareExact(*key.text, *nodeText);
    }
    return compareKeys(*key.value, keyOf(n));
}

QVariant CHive::keyOf(qint32 n) const
{
    const HiveLink &nd = link(n);
    if (nd.kind == HiveLink::Generated)
        return identifierText(nd.idHigh, nd.idLow);
    return nd.owned ? m_owned[entry(n).values].key : QVariant();
}

qint32 CHive::findNode(const QVariant &vKey) const
{
    if (m_nodes.empty())
        return 0;
    const LookupKey key = classify(vKey);
    qint32 x = m_root;
    while (x != 0)
    {
        const int c = compareWithNode(key, x);
        if (c == 0)
            return x;
        x = c < 0 ? link(x).left : link(x).right;
    }
    return 0;
}

bool CHive::findTreePlace(const LookupKey &key, bool generated, QVariant &generatedText, qint32 &parent, int &side)
{
    parent = 0;
    side = 0;
    for (qint32 x = m_root; x != 0;)
    {
        if (generated && !generatedText.isValid() && link(x).kind != HiveLink::Generated)
            generatedText = identifierText(key.high, key.low);
        parent = x;
        const int c = compareWithNode(key, x);
        side = c;
        if (c == 0 && !allowDuplicate)
        {
            reportError(ErrDuplicateKey, QStringLiteral("Add"));
            return false;
        }
        x = c < 0 ? link(x).left : link(x).right;
    }
    return true;
}

void CHive::linkIntoTree(qint32 n, qint32 parent, int side, const LookupKey &key, bool generated)
{
    HiveLink &nn = link(n);
    if (generated)
    {
        nn.kind = HiveLink::Generated;
        nn.idHigh = key.high;
        nn.idLow = key.low;
    }
    else
    {
        nn.kind = key.text ? HiveLink::Text : HiveLink::Other;
    }
    nn.owned = false;

    if (parent == 0)
        m_root = n;
    else if (side < 0)
        link(parent).left = n;
    else
        link(parent).right = n;
    insertFixup(n);
}

qint32 CHive::unlinkFromTree(qint32 z)
{
    qint32 y = z;
    if (link(z).left != 0 && link(z).right != 0)
    {
        y = link(z).right;
        while (link(y).left != 0)
            y = link(y).left;
    }
    const qint32 x = link(y).left != 0 ? link(y).left : link(y).right;
    const qint32 yp = link(y).parent;
    link(x).parent = yp;
    if (yp == 0)
        m_root = x;
    else if (y == link(yp).left)
        link(yp).left = x;
    else
        link(yp).right = x;

    if (y != z)
    {
        // z keeps its place in the tree but takes over y's entry; y's slot goes with the removed
        // one, carrying its key and values away.
        std::swap(link(z).kind, link(y).kind);
        std::swap(link(z).owned, link(y).owned);
        std::swap(link(z).idHigh, link(y).idHigh);
        std::swap(link(z).idLow, link(y).idLow);
        std::swap(entry(z).values, entry(y).values);
        const qint32 rz = entry(z).raw;
        const qint32 ry = entry(y).raw;
        place(rz, y);
        place(ry, z);
    }
    if (link(y).color == Black)
        deleteFixup(x);
    link(0).parent = 0;
    return y;
}

void CHive::rotateLeft(qint32 x)
{
    const qint32 y = link(x).right;
    link(x).right = link(y).left;
    if (link(y).left != 0)
        link(link(y).left).parent = x;
    if (y != 0)
        link(y).parent = link(x).parent;
    const qint32 xp = link(x).parent;
    if (xp != 0)
    {
        if (x == link(xp).left)
            link(xp).left = y;
        else
            link(xp).right = y;
    }
    else
    {
        m_root = y;
    }
    link(y).left = x;
    if (x != 0)
        link(x).parent = y;
}

void CHive::rotateRight(qint32 x)
{
    const qint32 y = link(x).left;
    link(x).left = link(y).right;
    if (link(y).right != 0)
        link(link(y).right).parent = x;
    if (y != 0)
        link(y).parent = link(x).parent;
    const qint32 xp = link(x).parent;
    if (xp != 0)
    {
        if (x == link(xp).right)
            link(xp).right = y;
        else
            link(xp).left = y;
    }
    else
    {
        m_root = y;
    }
    link(y).right = x;
    if (x != 0)
        link(x).parent = y;
}

void CHive::insertFixup(qint32 x)
{
    while (x != m_root && link(link(x).parent).color == Red)
    {
        const qint32 xp = link(x).parent;
        const qint32 g = link(xp).parent;
        if (xp == link(g).left)
        {
            const qint32 y = link(g).right;
            if (link(y).color == Red)
            {
                link(xp).color = Black;
                link(y).color = Black;
                link(g).color = Red;
                x = g;
            }
            else
            {
                if (x == link(xp).right)
                {
                    x = xp;
                    rotateLeft(x);
                }
                link(link(x).parent).color = Black;
                link(link(link(x).parent).parent).color = Red;
                rotateRight(link(link(x).parent).parent);
            }
        }
        else
        {
            const qint32 y = link(g).left;
            if (link(y).color == Red)
            {
                link(xp).color = Black;
                link(y).color = Black;
                link(g).color = Red;
                x = g;
            }
            else
            {
                if (x == link(xp).left)
                {
                    x = xp;
                    rotateRight(x);
                }
                link(link(x).parent).color = Black;
                link(link(link(x).parent).parent).color = Red;
                rotateLeft(link(link(x).parent).parent);
            }
        }
    }
    link(m_root).color = Black;
}

void CHive::deleteFixup(qint32 x)
{
    while (x != m_root && link(x).color == Black)
        x = x == link(link(x).parent).left ? fixLeftDeficit(x) : fixRightDeficit(x);
    link(x).color = Black;
}

qint32 CHive::fixLeftDeficit(qint32 x)
{
    const qint32 xp = link(x).parent;
    qint32 w = link(xp).right;
    if (link(w).color == Red)
    {
        link(w).color = Black;
        link(xp).color = Red;
        rotateLeft(xp);
        w = link(xp).right;
    }
    if (link(link(w).left).color == Black && link(link(w).right).color == Black)
    {
        link(w).color = Red;
        return xp;
    }
    if (link(link(w).right).color == Black)
    {
        link(link(w).left).color = Black;
        link(w).color = Red;
        rotateRight(w);
        w = link(xp).right;
    }
    link(w).color = link(xp).color;
    link(xp).color = Black;
    link(link(w).right).color = Black;
    rotateLeft(xp);
    return m_root;
}

qint32 CHive::fixRightDeficit(qint32 x)
{
    const qint32 xp = link(x).parent;
    qint32 w = link(xp).left;
    if (link(w).color == Red)
    {
        link(w).color = Black;
        link(xp).color = Red;
        rotateRight(xp);
        w = link(xp).left;
    }
    if (link(link(w).right).color == Black && link(link(w).left).color == Black)
    {
        link(w).color = Red;
        return xp;
    }
    if (link(link(w).left).color == Black)
    {
        link(link(w).right).color = Black;
        link(w).color = Red;
        rotateLeft(w);
        w = link(xp).left;
    }
    link(w).color = link(xp).color;
    link(xp).color = Black;
    link(link(w).left).color = Black;
    rotateRight(xp);
    return m_root;
}

qint32 CHive::nextWalkNode()
{
    if (m_walkCurrent == 0 && m_walkTop == 0)
    {
        reportError(ErrKeyNotFound, QStringLiteral("GetNextNode"));
        return 0;
    }
    while (m_walkCurrent != 0)
    {
        if (m_walkTop >= 32)
            throw RaisedError(RaisedError::SubscriptOutOfRange, QStringLiteral("CHive.GetNextNode"),
                              RaisedError::subscriptOutOfRangeText());
        m_walkStack[static_cast<size_t>(++m_walkTop)] = m_walkCurrent;
        m_walkCurrent = link(m_walkCurrent).left;
    }
    const qint32 t = m_walkStack[static_cast<size_t>(m_walkTop--)];
    m_walkCurrent = link(t).right;
    return t;
}
