// SPDX-License-Identifier: GPL-3.0-or-later
// CHive as its users see it: adding, removing, reading and walking entries, their values and the
// error reports. The tree (CHiveTree.cpp), the position table (CHivePositions.cpp) and the keys
// (CHiveKeys.cpp) are in files of their own.
#include "core/CHive.h"

#include "core/CHiveKeys.h"
#include "core/RaisedError.h"
#include "core/VbNumeric.h"

#include <QCoreApplication>

#include <algorithm>
#include <tuple>

using namespace HiveKeys;

namespace
{
constexpr qint32 Red = 1;

QString messageFor(qint32 code)
{
    switch (code)
    {
    case CHive::ErrInvalidIndex:
        return QCoreApplication::translate("CHive", "Invalid Index.");
    case CHive::ErrKeyNotFound:
        return QCoreApplication::translate("CHive", "Key not Found in the Hive.");
    case CHive::ErrIntegerKey:
        return QCoreApplication::translate("CHive",
                                           "Key cannot be Integer or Long or Byte or any kind of Fixed Digit.");
    case CHive::ErrDuplicateKey:
        return QCoreApplication::translate("CHive", "Duplicate Key.");
    default:
        return QString();
    }
}
} // namespace

CHive::~CHive()
{
    clear();
    m_errors.reset();
}

CErrorCollection &CHive::errors()
{
    if (!m_errors)
        m_errors = std::make_unique<CErrorCollection>();
    return *m_errors;
}

bool CHive::isPosition(const QVariant &v)
{
    switch (v.typeId())
    {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

QString CHive::createGuidKey()
{
    const auto [high, low] = newIdentifier();
    return identifierText(high, low);
}

void CHive::reportError(qint32 code, const QString &op)
{
    const qint32 number = ErrorBase + code;
    if (raiseError)
        throw RaisedError(number, u"CHive." + op, messageFor(code));
    errors().add(number, op, messageFor(code), QString(), QString());
}

void CHive::init(qint32 initialAlloc, float growthFactor)
{
    m_growthFactor = growthFactor;
    m_nodes.clear();
    m_nodes.resize(initialAlloc);
    m_nodes.use(0); // the sentinel
    m_positions.assign(static_cast<size_t>(initialAlloc) + 1, 0);
    m_gapStart = m_gapEnd = 0;
    m_root = 0;
    m_nodePool = std::make_unique<CNode>();
    m_nodePool->init(initialAlloc, growthFactor);
    m_errors = std::make_unique<CErrorCollection>();
    std::vector<OwnedValues>().swap(m_owned);
    std::vector<quint32>().swap(m_freeOwned);
    m_walkTop = 0;
    m_walkCurrent = 0;
    m_count = 0;
}

qint32 CHive::clear()
{
    if (!m_nodePool)
        return 0;
    m_nodePool.reset();
    m_errors.reset();
    m_nodes.clear();
    std::vector<OwnedValues>().swap(m_owned);
    std::vector<quint32>().swap(m_freeOwned);
    std::vector<qint32>().swap(m_positions);
    m_gapStart = m_gapEnd = 0;
    m_count = 0;
    m_root = 0;
    m_walkTop = 0;
    m_walkCurrent = 0;
    return 0;
}

qint32 CHive::indexOf(const QVariant &vKey)
{
    if (isPosition(vKey))
    {
        const qint64 p = vKey.toLongLong();
        if (p < 1 || p > m_count)
        {
            reportError(ErrInvalidIndex, QStringLiteral("GetIndex"));
            return 0;
        }
        return nodeAt(static_cast<qint32>(p));
    }
    const qint32 n = findNode(vKey);
    if (n == 0)
        reportError(ErrKeyNotFound, QStringLiteral("FindNode"));
    return n;
}

QVariant CHive::valueOf(qint32 n, int v) const
{
    if (n == 0)
        return {}; // the sentinel
    if (link(n).owned)
        return m_owned[entry(n).values].values[static_cast<size_t>(v)];
    return m_values ? m_values->value(entry(n).values, v) : QVariant();
}

std::array<QVariant, 6> CHive::valuesOf(qint32 n) const
{
    if (link(n).owned)
        return m_owned[entry(n).values].values;
    std::array<QVariant, 6> items;
    for (int v = 0; v < 6; ++v)
        items[static_cast<size_t>(v)] = valueOf(n, v);
    return items;
}

void CHive::own(qint32 n, QVariant key, std::array<QVariant, 6> items)
{
    quint32 place = 0;
    if (!m_freeOwned.empty())
    {
        place = m_freeOwned.back();
        m_freeOwned.pop_back();
        m_owned[place] = {std::move(key), std::move(items)};
    }
    else
    {
        place = static_cast<quint32>(m_owned.size());
        m_owned.push_back({std::move(key), std::move(items)});
    }
    link(n).owned = true;
    entry(n).values = place;
}

void CHive::release(qint32 n)
{
    if (link(n).owned)
    {
        const quint32 place = entry(n).values;
        m_owned[place] = {};
        m_freeOwned.push_back(place);
    }
    link(n).owned = false;
    link(n).kind = HiveLink::Other;
    entry(n).values = 0;
}

void CHive::add(const QVariant &value0, const QVariant &value1, const QVariant &value2, const QVariant &value3,
                const QVariant &value4, const QVariant &value5, const std::optional<QVariant> &key,
                const std::optional<QVariant> &before, const std::optional<QVariant> &after)
{
    // A generated key lives in the node's link; a caller's key is kept with the values.
    if (const qint32 n = insert(key, before, after))
        own(n, key ? *key : QVariant(), {value0, value1, value2, value3, value4, value5});
}

void CHive::addRef(quint32 row)
{
    if (const qint32 n = insert(std::nullopt, std::nullopt, std::nullopt))
        entry(n).values = row;
}

qint32 CHive::insert(const std::optional<QVariant> &givenKey, const std::optional<QVariant> &before,
                     const std::optional<QVariant> &after)
{
    LookupKey key;
    QVariant generatedText; // what a comparison with a non-identifier key sees
    if (!keyToAdd(givenKey, key, generatedText))
        return 0;
    if (!m_nodePool)
        init(m_initialAlloc, static_cast<float>(m_growthFactor));
    qint32 parent = 0;
    int side = 0;
    if (!findTreePlace(key, !givenKey, generatedText, parent, side))
        return 0;
    const qint32 p = positionToAdd(before, after);
    if (p == 0)
        return 0;

    const qint32 n = takeNodeSlot();
    HiveLink &nn = link(n);
    nn.parent = parent;
    nn.left = nn.right = 0;
    nn.color = Red;
    openPositionGap(p, n);
    ++m_count;
    linkIntoTree(n, parent, side, key, !givenKey);
    return n;
}

bool CHive::keyToAdd(const std::optional<QVariant> &givenKey, LookupKey &key, QVariant &generatedText)
{
    if (!givenKey)
    {
        std::tie(key.high, key.low) = newIdentifier();
        key.identifier = true;
        key.value = &generatedText;
        return true;
    }
    if (isPosition(*givenKey))
    {
        reportError(ErrIntegerKey, QStringLiteral("Add"));
        return false;
    }
    const QString *s = asString(*givenKey);
    if (s && s->isEmpty())
    {
        reportError(ErrEmptyKey, QStringLiteral("Add"));
        return false;
    }
    key = classify(*givenKey);
    return true;
}

qint32 CHive::positionToAdd(const std::optional<QVariant> &before, const std::optional<QVariant> &after)
{
    if (!before && !after)
        return m_count + 1;
    const qint32 n = indexOf(before ? *before : *after);
    if (n == 0)
    {
        reportError(ErrKeyNotFound, QStringLiteral("Add"));
        return 0;
    }
    return before ? positionOfNode(n) : positionOfNode(n) + 1;
}

qint32 CHive::takeNodeSlot()
{
    const qint32 n = m_nodePool->allocate();
    const qint32 u = nodeTableLastSlot();
    if (n > u)
    {
        const qint32 grown = std::max(grownSize(u, m_growthFactor), n);
        const auto positions = static_cast<qint32>(VbNumeric::roundHalfEven(u * m_growthFactor + 2));
        m_nodes.resize(grown);
        m_positions.resize(static_cast<size_t>(std::max(positions, grown + 1)), 0);
    }
    m_nodes.use(n);
    return n;
}

qint32 CHive::remove(const QVariant &keyValue)
{
    const qint32 z = indexOf(keyValue);
    if (z == 0)
    {
        reportError(ErrInvalidIndex, QStringLiteral("Remove"));
        return 0;
    }
    const qint32 y = unlinkFromTree(z);
    release(y);
    const qint32 p = positionOfNode(y);
    closePositionGap(p);
    entry(y).raw = -1;
    --m_count;
    m_nodePool->release(y);
    return p;
}

QVariant CHive::findFirst(QVariant &keyValue)
{
    m_walkTop = 0;
    m_walkCurrent = m_root;
    return findNext(keyValue);
}

QVariant CHive::findNext(QVariant &keyValue)
{
    if (m_nodes.empty())
    {
        reportError(ErrKeyNotFound, QStringLiteral("GetNextNode"));
        keyValue = QVariant();
        return {};
    }
    const qint32 n = nextWalkNode(); // 0 after the last key: the sentinel's empty key and value
    keyValue = keyOf(n);
    return valueOf(n, 0);
}

bool CHive::exists(const QVariant &vKey)
{
    return indexOf(vKey) >= 1;
}

QVariant CHive::value(const QVariant &vKey, int v)
{
    const qint32 n = indexOf(vKey);
    if (n > 0)
        return valueOf(n, v);
    reportError(ErrKeyNotFound, QStringLiteral("Item"));
    return {};
}

void CHive::setFirstValue(const QVariant &vKey, const QVariant &newValue)
{
    const qint32 n = indexOf(vKey);
    if (n <= 0)
        return;
    if (!link(n).owned)
    {
        // An entry that reads its values from a table takes copies of them, then the new one.
        std::array<QVariant, 6> items = valuesOf(n);
        own(n, QVariant(), std::move(items));
    }
    m_owned[entry(n).values].values[0] = newValue;
}

QVariant CHive::key(qint32 index)
{
    if (index < 1 || index > m_count)
    {
        reportError(ErrInvalidIndex, QStringLiteral("Key[Read]"));
        return {};
    }
    return keyOf(nodeAt(index));
}

void CHive::setKey(qint32 index, const QVariant &vNewKey)
{
    if (index < 1 || index > m_count)
    {
        reportError(ErrInvalidIndex, QStringLiteral("Key[Assign]"));
        return;
    }
    if (isPosition(vNewKey))
    {
        reportError(ErrIntegerKey, QStringLiteral("Key[Assign]"));
        return;
    }
    const QString *s = asString(vNewKey);
    if (s && s->isEmpty())
    {
        reportError(ErrEmptyKey, QStringLiteral("Key[Assign]"));
        return;
    }
    const qint32 self = nodeAt(index);
    if (!allowDuplicate)
    {
        const qint32 present = findNode(vNewKey);
        if (present != 0 && present != self)
        {
            reportError(ErrDuplicateKey, QStringLiteral("Key[Assign]"));
            return;
        }
    }
    // Re-insert the entry under its new key at the same position, so that the tree finds it.
    const std::array<QVariant, 6> items = valuesOf(self);
    remove(index);
    const std::optional<QVariant> before =
        index <= m_count ? std::optional<QVariant>(QVariant(index)) : std::optional<QVariant>();
    add(items[0], items[1], items[2], items[3], items[4], items[5], vNewKey, before);
}
