// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CHive.h"

#include "core/RaisedError.h"
#include "core/TextCompare.h"
#include "core/VbNumeric.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <algorithm>
#include <functional>
#include <set>
#include <tuple>

namespace
{
constexpr qint32 Red = 1;
constexpr qint32 Black = 0;

const QString *asString(const QVariant &v)
{
    return v.typeId() == QMetaType::QString ? static_cast<const QString *>(v.constData()) : nullptr;
}

bool isNumber(const QVariant &v)
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
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

QString messageFor(qint32 code)
{
    switch (code)
    {
    case CHive::ErrInvalidIndex:
        return QStringLiteral("Invalid Index.");
    case CHive::ErrKeyNotFound:
        return QStringLiteral("Key not Found in the Hive.");
    case CHive::ErrIntegerKey:
        return QStringLiteral("Key cannot be Integer or Long or Byte or any kind of Fixed Digit.");
    case CHive::ErrDuplicateKey:
        return QStringLiteral("Duplicate Key.");
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

namespace
{
// A version-4 identifier: 4 in the version nibble, 10 in the variant bits. One generator per
// thread, seeded from the system: a million keys in a scan must not take a system call each.
std::pair<quint64, quint64> newIdentifier()
{
    thread_local QRandomGenerator64 generator(QRandomGenerator::system()->generate());
    const quint64 high = (generator.generate() & 0xFFFFFFFFFFFF0FFFull) | 0x0000000000004000ull;
    const quint64 low = (generator.generate() & 0x3FFFFFFFFFFFFFFFull) | 0x8000000000000000ull;
    return {high, low};
}

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}": 32 upper-case hexadecimal digits in order.
QString identifierText(quint64 high, quint64 low)
{
    static constexpr char16_t hex[] = u"0123456789ABCDEF";
    QString text(38, Qt::Uninitialized);
    QChar *out = text.data();
    qsizetype at = 0;
    out[at++] = u'{';
    for (int i = 0; i < 32; ++i)
    {
        if (i == 8 || i == 12 || i == 16 || i == 20)
            out[at++] = u'-';
        const quint64 word = i < 16 ? high : low;
        out[at++] = QChar(hex[(word >> (60 - 4 * (i % 16))) & 0xF]);
    }
    out[at++] = u'}';
    return text;
}

// The 128 bits of a text in exactly that form (upper-case digits only), for which comparing the
// bits is comparing the texts, exactly or without regard to case.
bool parseIdentifier(const QString &text, quint64 &high, quint64 &low)
{
    if (text.size() != 38 || text[0] != u'{' || text[37] != u'}')
        return false;
    high = low = 0;
    int digit = 0;
    for (qsizetype i = 1; i < 37; ++i)
    {
        const char16_t c = text[i].unicode();
        if (i == 9 || i == 14 || i == 19 || i == 24)
        {
            if (c != u'-')
                return false;
            continue;
        }
        quint64 v = 0;
        if (c >= u'0' && c <= u'9')
            v = c - u'0';
        else if (c >= u'A' && c <= u'F')
            v = c - u'A' + 10;
        else
            return false;
        quint64 &word = digit < 16 ? high : low;
        word = (word << 4) | v;
        ++digit;
    }
    return true;
}

int compareIds(quint64 h1, quint64 l1, quint64 h2, quint64 l2)
{
    if (h1 != h2)
        return h1 < h2 ? -1 : 1;
    if (l1 != l2)
        return l1 < l2 ? -1 : 1;
    return 0;
}
} // namespace

QString CHive::createGuidKey()
{
    const auto [high, low] = newIdentifier();
    return identifierText(high, low);
}

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

struct CHive::LookupKey
{
    const QVariant *value = nullptr;
    const QString *text = nullptr;
    bool identifier = false;
    quint64 high = 0;
    quint64 low = 0;
};

CHive::LookupKey CHive::classify(const QVariant &key)
{
    LookupKey k;
    k.value = &key;
    k.text = asString(key);
    if (k.text)
        k.identifier = parseIdentifier(*k.text, k.high, k.low);
    return k;
}

void CHive::reportError(qint32 code, const QString &op)
{
    const qint32 number = ErrorBase + code;
    if (raiseError)
        throw RaisedError(number, u"CHive." + op, messageFor(code));
    errors().add(number, op, messageFor(code), QString(), QString());
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

qint32 CHive::positionOfNode(qint32 n) const
{
    const qint32 raw = entry(n).raw;
    if (raw < 0)
        return 0;
    return raw < m_gapStart ? raw + 1 : raw - (m_gapEnd - m_gapStart) + 1;
}

void CHive::place(qint32 raw, qint32 n)
{
    m_positions[static_cast<size_t>(raw)] = n;
    entry(n).raw = raw;
}

void CHive::moveGapTo(qint32 start)
{
    const qint32 gap = m_gapEnd - m_gapStart;
    if (gap == 0)
    {
        m_gapStart = m_gapEnd = start;
        return;
    }
    if (start < m_gapStart)
    {
        // Entries [start, gapStart) move up behind the gap, last first.
        for (qint32 r = m_gapStart - 1; r >= start; --r)
            place(r + gap, m_positions[static_cast<size_t>(r)]);
    }
    else
    {
        // Entries after the gap move down into it.
        for (qint32 r = m_gapEnd; r < start + gap; ++r)
            place(r - gap, m_positions[static_cast<size_t>(r)]);
    }
    m_gapStart = start;
    m_gapEnd = start + gap;
}

void CHive::openPositionGap(qint32 p, qint32 n)
{
    const qint32 gap = m_gapEnd - m_gapStart;
    const qint32 tailEnd = m_gapEnd + (m_count - m_gapStart);
    if (p == m_count + 1 && tailEnd < static_cast<qint32>(m_positions.size()))
    {
        place(tailEnd, n);
        return;
    }
    if (gap > 0)
    {
        moveGapTo(p - 1);
        place(m_gapStart, n);
        ++m_gapStart;
        return;
    }
    // No gap: move entries p..count up by one slot.
    for (qint32 r = m_count - 1; r >= p - 1; --r)
        place(r + 1, m_positions[static_cast<size_t>(r)]);
    place(p - 1, n);
    m_gapStart = m_gapEnd = 0;
}

void CHive::closePositionGap(qint32 p)
{
    moveGapTo(p - 1);
    m_positions[static_cast<size_t>(m_gapEnd)] = 0;
    ++m_gapEnd;
    if (m_count == 1)
        m_gapStart = m_gapEnd = 0; // the collection is empty now: start afresh at the front
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
    if (!givenKey)
    {
        std::tie(key.high, key.low) = newIdentifier();
        key.identifier = true;
        key.value = &generatedText;
    }
    else
    {
        if (isPosition(*givenKey))
        {
            reportError(ErrIntegerKey, QStringLiteral("Add"));
            return 0;
        }
        const QString *s = asString(*givenKey);
        if (s && s->isEmpty())
        {
            reportError(ErrEmptyKey, QStringLiteral("Add"));
            return 0;
        }
        key = classify(*givenKey);
    }
    if (!m_nodePool)
        init(m_initialAlloc, static_cast<float>(m_growthFactor));

    qint32 parent = 0;
    int lastComparison = 0;
    for (qint32 x = m_root; x != 0;)
    {
        if (!givenKey && !generatedText.isValid() && link(x).kind != HiveLink::Generated)
            generatedText = identifierText(key.high, key.low);
        parent = x;
        const int c = compareWithNode(key, x);
        lastComparison = c;
        if (c == 0 && !allowDuplicate)
        {
            reportError(ErrDuplicateKey, QStringLiteral("Add"));
            return 0;
        }
        x = c < 0 ? link(x).left : link(x).right;
    }

    qint32 p = m_count + 1;
    if (before)
    {
        const qint32 b = indexOf(*before);
        if (b == 0)
        {
            reportError(ErrKeyNotFound, QStringLiteral("Add"));
            return 0;
        }
        p = positionOfNode(b);
    }
    else if (after)
    {
        const qint32 a = indexOf(*after);
        if (a == 0)
        {
            reportError(ErrKeyNotFound, QStringLiteral("Add"));
            return 0;
        }
        p = positionOfNode(a) + 1;
    }

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

    HiveLink &nn = link(n);
    nn.parent = parent;
    nn.left = nn.right = 0;
    nn.color = Red;
    openPositionGap(p, n);
    ++m_count;
    if (!givenKey)
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
    else if (lastComparison < 0)
        link(parent).left = n;
    else
        link(parent).right = n;
    insertFixup(n);
    return n;
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
    {
        const qint32 xp = link(x).parent;
        if (x == link(xp).left)
        {
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
                x = xp;
            }
            else
            {
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
                x = m_root;
            }
        }
        else
        {
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
                x = xp;
            }
            else
            {
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
                x = m_root;
            }
        }
    }
    link(x).color = Black;
}

qint32 CHive::remove(const QVariant &keyValue)
{
    const qint32 z = indexOf(keyValue);
    if (z == 0)
    {
        reportError(ErrInvalidIndex, QStringLiteral("Remove"));
        return 0;
    }
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

    release(y);
    const qint32 p = positionOfNode(y);
    closePositionGap(p);
    entry(y).raw = -1;
    --m_count;
    m_nodePool->release(y);
    return p;
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
                              QStringLiteral("Subscript out of range"));
        m_walkStack[static_cast<size_t>(++m_walkTop)] = m_walkCurrent;
        m_walkCurrent = link(m_walkCurrent).left;
    }
    const qint32 t = m_walkStack[static_cast<size_t>(m_walkTop--)];
    m_walkCurrent = link(t).right;
    return t;
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

bool CHive::checkInvariants(QString *why) const
{
    auto fail = [why](const QString &text) {
        if (why)
            *why = text;
        return false;
    };
    if (!m_nodePool)
        return m_count == 0 && m_root == 0 ? true : fail(QStringLiteral("uninitialised but not empty"));
    if (link(0).color != Black || link(0).left != 0 || link(0).right != 0)
        return fail(QStringLiteral("sentinel changed"));
    if (link(m_root).color != Black)
        return fail(QStringLiteral("red root"));
    if (m_root != 0 && link(m_root).parent != 0)
        return fail(QStringLiteral("root has a parent"));
    std::set<qint32> reachable;
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
        const HiveLink &nd = link(n);
        for (qint32 c : {nd.left, nd.right})
        {
            if (c != 0 && link(c).parent != n)
            {
                problem = QStringLiteral("bad parent link");
                return -1;
            }
            if (nd.color == Red && c != 0 && link(c).color == Red)
            {
                problem = QStringLiteral("red node with a red child");
                return -1;
            }
        }
        // With duplicates allowed, rotations may put an equal key on the left; the in-order check
        // below still holds then.
        if (!allowDuplicate && nd.left != 0 && compareKeys(keyOf(nd.left), keyOf(n)) >= 0)
        {
            problem = QStringLiteral("left child not smaller");
            return -1;
        }
        if (nd.right != 0 && compareKeys(keyOf(nd.right), keyOf(n)) < 0)
        {
            problem = QStringLiteral("right child smaller");
            return -1;
        }
        const int lh = walk(nd.left);
        const int rh = walk(nd.right);
        if (lh < 0 || rh < 0)
            return -1;
        if (lh != rh)
        {
            problem = QStringLiteral("unequal black heights");
            return -1;
        }
        return lh + (nd.color == Black ? 1 : 0);
    };
    if (walk(m_root) < 0)
        return fail(problem);
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
        return fail(QStringLiteral("keys out of order"));
    if (static_cast<qint32>(reachable.size()) != m_count)
        return fail(QStringLiteral("reachable nodes differ from Count"));
    if (static_cast<qint32>(m_positions.size()) < m_count + 1)
        return fail(QStringLiteral("position table too small"));
    if (nodeTableLastSlot() < m_nodePool->lastSlot())
        return fail(QStringLiteral("node table smaller than the pool"));
    std::set<qint32> listed;
    for (qint32 p = 1; p <= m_count; ++p)
    {
        const qint32 n = nodeAt(p);
        if (!reachable.count(n) || !listed.insert(n).second)
            return fail(QStringLiteral("position %1 does not list a distinct entry").arg(p));
        if (positionOfNode(n) != p)
            return fail(QStringLiteral("position %1 does not lead back").arg(p));
    }
    return true;
}
