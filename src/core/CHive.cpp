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
    Clear();
    m_errors.reset();
}

CErrorCollection &CHive::Errors()
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

QString CHive::CreateGUIDKey()
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

void CHive::ReportError(qint32 code, const QString &op)
{
    const qint32 number = ErrorBase + code;
    if (RaiseError)
        throw RaisedError(number, u"CHive." + op, messageFor(code));
    Errors().Add(number, op, messageFor(code), QString(), QString());
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

void CHive::Init(qint32 InitialAllocVal, float GrowthFactorVal)
{
    m_growthFactor = GrowthFactorVal;
    m_nodes.clear();
    m_nodes.resize(InitialAllocVal);
    m_nodes.use(0); // the sentinel
    m_positions.assign(static_cast<size_t>(InitialAllocVal) + 1, 0);
    m_gapStart = m_gapEnd = 0;
    m_root = 0;
    m_nodePool = std::make_unique<CNode>();
    m_nodePool->Init(InitialAllocVal, GrowthFactorVal);
    m_errors = std::make_unique<CErrorCollection>();
    std::vector<OwnedValues>().swap(m_owned);
    std::vector<quint32>().swap(m_freeOwned);
    m_walkTop = 0;
    m_walkCurrent = 0;
    m_count = 0;
}

qint32 CHive::Clear()
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

qint32 CHive::GetIndex(const QVariant &vKey)
{
    if (isPosition(vKey))
    {
        const qint64 p = vKey.toLongLong();
        if (p < 1 || p > m_count)
        {
            ReportError(ErrInvalidIndex, QStringLiteral("GetIndex"));
            return 0;
        }
        return nodeAt(static_cast<qint32>(p));
    }
    const qint32 n = FindNode(vKey);
    if (n == 0)
        ReportError(ErrKeyNotFound, QStringLiteral("FindNode"));
    return n;
}

int CHive::compareWithNode(const LookupKey &key, qint32 n) const
{
    const HiveLink &nd = link(n);
    if (nd.Kind == HiveLink::Generated && key.identifier)
        return compareIds(key.high, key.low, nd.IdHigh, nd.IdLow);
    if (key.text && nd.Kind == HiveLink::Text)
    {
        const auto *nodeText = static_cast<const QString *>(m_owned[entry(n).Values].Key.constData());
        return m_compareMode != 0 ? TextCompare::compareNoCase(*key.text, *nodeText)
                                  : TextCompare::compareExact(*key.text, *nodeText);
    }
    return compareKeys(*key.value, keyOf(n));
}

QVariant CHive::keyOf(qint32 n) const
{
    const HiveLink &nd = link(n);
    if (nd.Kind == HiveLink::Generated)
        return identifierText(nd.IdHigh, nd.IdLow);
    return nd.Owned ? m_owned[entry(n).Values].Key : QVariant();
}

QVariant CHive::valueOf(qint32 n, int v) const
{
    if (n == 0)
        return {}; // the sentinel
    if (link(n).Owned)
        return m_owned[entry(n).Values].Items[static_cast<size_t>(v)];
    return m_values ? m_values->value(entry(n).Values, v) : QVariant();
}

std::array<QVariant, 6> CHive::valuesOf(qint32 n) const
{
    if (link(n).Owned)
        return m_owned[entry(n).Values].Items;
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
    link(n).Owned = true;
    entry(n).Values = place;
}

void CHive::release(qint32 n)
{
    if (link(n).Owned)
    {
        const quint32 place = entry(n).Values;
        m_owned[place] = {};
        m_freeOwned.push_back(place);
    }
    link(n).Owned = false;
    link(n).Kind = HiveLink::Other;
    entry(n).Values = 0;
}

qint32 CHive::FindNode(const QVariant &vKey) const
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
        x = c < 0 ? link(x).Left : link(x).Right;
    }
    return 0;
}

qint32 CHive::PositionOfNode(qint32 n) const
{
    const qint32 raw = entry(n).Raw;
    if (raw < 0)
        return 0;
    return raw < m_gapStart ? raw + 1 : raw - (m_gapEnd - m_gapStart) + 1;
}

void CHive::place(qint32 raw, qint32 n)
{
    m_positions[static_cast<size_t>(raw)] = n;
    entry(n).Raw = raw;
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

void CHive::OpenPositionGap(qint32 p, qint32 n)
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
    // No gap: move entries p..Count up by one slot.
    for (qint32 r = m_count - 1; r >= p - 1; --r)
        place(r + 1, m_positions[static_cast<size_t>(r)]);
    place(p - 1, n);
    m_gapStart = m_gapEnd = 0;
}

void CHive::ClosePositionGap(qint32 p)
{
    moveGapTo(p - 1);
    m_positions[static_cast<size_t>(m_gapEnd)] = 0;
    ++m_gapEnd;
    if (m_count == 1)
        m_gapStart = m_gapEnd = 0; // the collection is empty now: start afresh at the front
}

void CHive::Add(const QVariant &Item, const QVariant &Item1, const QVariant &Item2, const QVariant &Item3,
                const QVariant &Item4, const QVariant &Item5, const std::optional<QVariant> &Key,
                const std::optional<QVariant> &Before, const std::optional<QVariant> &After)
{
    // A generated key lives in the node's link; a caller's key is kept with the values.
    if (const qint32 n = insert(Key, Before, After))
        own(n, Key ? *Key : QVariant(), {Item, Item1, Item2, Item3, Item4, Item5});
}

void CHive::AddRef(quint32 row)
{
    if (const qint32 n = insert(std::nullopt, std::nullopt, std::nullopt))
        entry(n).Values = row;
}

qint32 CHive::insert(const std::optional<QVariant> &Key, const std::optional<QVariant> &Before,
                     const std::optional<QVariant> &After)
{
    LookupKey key;
    QVariant generatedText; // what a comparison with a non-identifier key sees
    if (!Key)
    {
        std::tie(key.high, key.low) = newIdentifier();
        key.identifier = true;
        key.value = &generatedText;
    }
    else
    {
        if (isPosition(*Key))
        {
            ReportError(ErrIntegerKey, QStringLiteral("Add"));
            return 0;
        }
        const QString *s = asString(*Key);
        if (s && s->isEmpty())
        {
            ReportError(ErrEmptyKey, QStringLiteral("Add"));
            return 0;
        }
        key = classify(*Key);
    }
    if (!m_nodePool)
        Init(m_initialAlloc, static_cast<float>(m_growthFactor));

    qint32 parent = 0;
    int lastComparison = 0;
    for (qint32 x = m_root; x != 0;)
    {
        if (!Key && !generatedText.isValid() && link(x).Kind != HiveLink::Generated)
            generatedText = identifierText(key.high, key.low);
        parent = x;
        const int c = compareWithNode(key, x);
        lastComparison = c;
        if (c == 0 && !AllowDuplicate)
        {
            ReportError(ErrDuplicateKey, QStringLiteral("Add"));
            return 0;
        }
        x = c < 0 ? link(x).Left : link(x).Right;
    }

    qint32 p = m_count + 1;
    if (Before)
    {
        const qint32 b = GetIndex(*Before);
        if (b == 0)
        {
            ReportError(ErrKeyNotFound, QStringLiteral("Add"));
            return 0;
        }
        p = PositionOfNode(b);
    }
    else if (After)
    {
        const qint32 a = GetIndex(*After);
        if (a == 0)
        {
            ReportError(ErrKeyNotFound, QStringLiteral("Add"));
            return 0;
        }
        p = PositionOfNode(a) + 1;
    }

    const qint32 n = m_nodePool->Alloc();
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
    nn.Parent = parent;
    nn.Left = nn.Right = 0;
    nn.Color = Red;
    OpenPositionGap(p, n);
    ++m_count;
    if (!Key)
    {
        nn.Kind = HiveLink::Generated;
        nn.IdHigh = key.high;
        nn.IdLow = key.low;
    }
    else
    {
        nn.Kind = key.text ? HiveLink::Text : HiveLink::Other;
    }
    nn.Owned = false;

    if (parent == 0)
        m_root = n;
    else if (lastComparison < 0)
        link(parent).Left = n;
    else
        link(parent).Right = n;
    InsertFixup(n);
    return n;
}

void CHive::RotateLeft(qint32 x)
{
    const qint32 y = link(x).Right;
    link(x).Right = link(y).Left;
    if (link(y).Left != 0)
        link(link(y).Left).Parent = x;
    if (y != 0)
        link(y).Parent = link(x).Parent;
    const qint32 xp = link(x).Parent;
    if (xp != 0)
    {
        if (x == link(xp).Left)
            link(xp).Left = y;
        else
            link(xp).Right = y;
    }
    else
    {
        m_root = y;
    }
    link(y).Left = x;
    if (x != 0)
        link(x).Parent = y;
}

void CHive::RotateRight(qint32 x)
{
    const qint32 y = link(x).Left;
    link(x).Left = link(y).Right;
    if (link(y).Right != 0)
        link(link(y).Right).Parent = x;
    if (y != 0)
        link(y).Parent = link(x).Parent;
    const qint32 xp = link(x).Parent;
    if (xp != 0)
    {
        if (x == link(xp).Right)
            link(xp).Right = y;
        else
            link(xp).Left = y;
    }
    else
    {
        m_root = y;
    }
    link(y).Right = x;
    if (x != 0)
        link(x).Parent = y;
}

void CHive::InsertFixup(qint32 x)
{
    while (x != m_root && link(link(x).Parent).Color == Red)
    {
        const qint32 xp = link(x).Parent;
        const qint32 g = link(xp).Parent;
        if (xp == link(g).Left)
        {
            const qint32 y = link(g).Right;
            if (link(y).Color == Red)
            {
                link(xp).Color = Black;
                link(y).Color = Black;
                link(g).Color = Red;
                x = g;
            }
            else
            {
                if (x == link(xp).Right)
                {
                    x = xp;
                    RotateLeft(x);
                }
                link(link(x).Parent).Color = Black;
                link(link(link(x).Parent).Parent).Color = Red;
                RotateRight(link(link(x).Parent).Parent);
            }
        }
        else
        {
            const qint32 y = link(g).Left;
            if (link(y).Color == Red)
            {
                link(xp).Color = Black;
                link(y).Color = Black;
                link(g).Color = Red;
                x = g;
            }
            else
            {
                if (x == link(xp).Left)
                {
                    x = xp;
                    RotateRight(x);
                }
                link(link(x).Parent).Color = Black;
                link(link(link(x).Parent).Parent).Color = Red;
                RotateLeft(link(link(x).Parent).Parent);
            }
        }
    }
    link(m_root).Color = Black;
}

void CHive::DeleteFixup(qint32 x)
{
    while (x != m_root && link(x).Color == Black)
    {
        const qint32 xp = link(x).Parent;
        if (x == link(xp).Left)
        {
            qint32 w = link(xp).Right;
            if (link(w).Color == Red)
            {
                link(w).Color = Black;
                link(xp).Color = Red;
                RotateLeft(xp);
                w = link(xp).Right;
            }
            if (link(link(w).Left).Color == Black && link(link(w).Right).Color == Black)
            {
                link(w).Color = Red;
                x = xp;
            }
            else
            {
                if (link(link(w).Right).Color == Black)
                {
                    link(link(w).Left).Color = Black;
                    link(w).Color = Red;
                    RotateRight(w);
                    w = link(xp).Right;
                }
                link(w).Color = link(xp).Color;
                link(xp).Color = Black;
                link(link(w).Right).Color = Black;
                RotateLeft(xp);
                x = m_root;
            }
        }
        else
        {
            qint32 w = link(xp).Left;
            if (link(w).Color == Red)
            {
                link(w).Color = Black;
                link(xp).Color = Red;
                RotateRight(xp);
                w = link(xp).Left;
            }
            if (link(link(w).Right).Color == Black && link(link(w).Left).Color == Black)
            {
                link(w).Color = Red;
                x = xp;
            }
            else
            {
                if (link(link(w).Left).Color == Black)
                {
                    link(link(w).Right).Color = Black;
                    link(w).Color = Red;
                    RotateLeft(w);
                    w = link(xp).Left;
                }
                link(w).Color = link(xp).Color;
                link(xp).Color = Black;
                link(link(w).Left).Color = Black;
                RotateRight(xp);
                x = m_root;
            }
        }
    }
    link(x).Color = Black;
}

qint32 CHive::Remove(const QVariant &KeyVal)
{
    const qint32 z = GetIndex(KeyVal);
    if (z == 0)
    {
        ReportError(ErrInvalidIndex, QStringLiteral("Remove"));
        return 0;
    }
    qint32 y = z;
    if (link(z).Left != 0 && link(z).Right != 0)
    {
        y = link(z).Right;
        while (link(y).Left != 0)
            y = link(y).Left;
    }
    const qint32 x = link(y).Left != 0 ? link(y).Left : link(y).Right;
    const qint32 yp = link(y).Parent;
    link(x).Parent = yp;
    if (yp == 0)
        m_root = x;
    else if (y == link(yp).Left)
        link(yp).Left = x;
    else
        link(yp).Right = x;

    if (y != z)
    {
        // z keeps its place in the tree but takes over y's entry; y's slot goes with the removed
        // one, carrying its key and values away.
        std::swap(link(z).Kind, link(y).Kind);
        std::swap(link(z).Owned, link(y).Owned);
        std::swap(link(z).IdHigh, link(y).IdHigh);
        std::swap(link(z).IdLow, link(y).IdLow);
        std::swap(entry(z).Values, entry(y).Values);
        const qint32 rz = entry(z).Raw;
        const qint32 ry = entry(y).Raw;
        place(rz, y);
        place(ry, z);
    }
    if (link(y).Color == Black)
        DeleteFixup(x);
    link(0).Parent = 0;

    release(y);
    const qint32 p = PositionOfNode(y);
    ClosePositionGap(p);
    entry(y).Raw = -1;
    --m_count;
    m_nodePool->Free(y);
    return p;
}

qint32 CHive::GetNextNode()
{
    if (m_walkCurrent == 0 && m_walkTop == 0)
    {
        ReportError(ErrKeyNotFound, QStringLiteral("GetNextNode"));
        return 0;
    }
    while (m_walkCurrent != 0)
    {
        if (m_walkTop >= 32)
            throw RaisedError(RaisedError::SubscriptOutOfRange, QStringLiteral("CHive.GetNextNode"),
                              QStringLiteral("Subscript out of range"));
        m_walkStack[static_cast<size_t>(++m_walkTop)] = m_walkCurrent;
        m_walkCurrent = link(m_walkCurrent).Left;
    }
    const qint32 t = m_walkStack[static_cast<size_t>(m_walkTop--)];
    m_walkCurrent = link(t).Right;
    return t;
}

QVariant CHive::FindFirst(QVariant &KeyVal)
{
    m_walkTop = 0;
    m_walkCurrent = m_root;
    return FindNext(KeyVal);
}

QVariant CHive::FindNext(QVariant &KeyVal)
{
    if (m_nodes.empty())
    {
        ReportError(ErrKeyNotFound, QStringLiteral("GetNextNode"));
        KeyVal = QVariant();
        return {};
    }
    const qint32 n = GetNextNode(); // 0 after the last key: the sentinel's empty key and value
    KeyVal = keyOf(n);
    return valueOf(n, 0);
}

bool CHive::Exist(const QVariant &vKey)
{
    return GetIndex(vKey) >= 1;
}

QVariant CHive::value(const QVariant &vKey, int v)
{
    const qint32 n = GetIndex(vKey);
    if (n > 0)
        return valueOf(n, v);
    ReportError(ErrKeyNotFound, QStringLiteral("Item"));
    return {};
}

void CHive::setItem(const QVariant &vKey, const QVariant &vNewValue)
{
    const qint32 n = GetIndex(vKey);
    if (n <= 0)
        return;
    if (!link(n).Owned)
    {
        // An entry that reads its values from a table takes copies of them, then the new one.
        std::array<QVariant, 6> items = valuesOf(n);
        own(n, QVariant(), std::move(items));
    }
    m_owned[entry(n).Values].Items[0] = vNewValue;
}

QVariant CHive::Key(qint32 Index)
{
    if (Index < 1 || Index > m_count)
    {
        ReportError(ErrInvalidIndex, QStringLiteral("Key[Read]"));
        return {};
    }
    return keyOf(nodeAt(Index));
}

void CHive::setKey(qint32 Index, const QVariant &vNewKey)
{
    if (Index < 1 || Index > m_count)
    {
        ReportError(ErrInvalidIndex, QStringLiteral("Key[Assign]"));
        return;
    }
    if (isPosition(vNewKey))
    {
        ReportError(ErrIntegerKey, QStringLiteral("Key[Assign]"));
        return;
    }
    const QString *s = asString(vNewKey);
    if (s && s->isEmpty())
    {
        ReportError(ErrEmptyKey, QStringLiteral("Key[Assign]"));
        return;
    }
    const qint32 self = nodeAt(Index);
    if (!AllowDuplicate)
    {
        const qint32 present = FindNode(vNewKey);
        if (present != 0 && present != self)
        {
            ReportError(ErrDuplicateKey, QStringLiteral("Key[Assign]"));
            return;
        }
    }
    // Re-insert the entry under its new key at the same position, so that the tree finds it.
    const std::array<QVariant, 6> items = valuesOf(self);
    Remove(Index);
    const std::optional<QVariant> before =
        Index <= m_count ? std::optional<QVariant>(QVariant(Index)) : std::optional<QVariant>();
    Add(items[0], items[1], items[2], items[3], items[4], items[5], vNewKey, before);
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
    if (link(0).Color != Black || link(0).Left != 0 || link(0).Right != 0)
        return fail(QStringLiteral("sentinel changed"));
    if (link(m_root).Color != Black)
        return fail(QStringLiteral("red root"));
    if (m_root != 0 && link(m_root).Parent != 0)
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
        for (qint32 c : {nd.Left, nd.Right})
        {
            if (c != 0 && link(c).Parent != n)
            {
                problem = QStringLiteral("bad parent link");
                return -1;
            }
            if (nd.Color == Red && c != 0 && link(c).Color == Red)
            {
                problem = QStringLiteral("red node with a red child");
                return -1;
            }
        }
        // With duplicates allowed, rotations may put an equal key on the left; the in-order check
        // below still holds then.
        if (!AllowDuplicate && nd.Left != 0 && compareKeys(keyOf(nd.Left), keyOf(n)) >= 0)
        {
            problem = QStringLiteral("left child not smaller");
            return -1;
        }
        if (nd.Right != 0 && compareKeys(keyOf(nd.Right), keyOf(n)) < 0)
        {
            problem = QStringLiteral("right child smaller");
            return -1;
        }
        const int lh = walk(nd.Left);
        const int rh = walk(nd.Right);
        if (lh < 0 || rh < 0)
            return -1;
        if (lh != rh)
        {
            problem = QStringLiteral("unequal black heights");
            return -1;
        }
        return lh + (nd.Color == Black ? 1 : 0);
    };
    if (walk(m_root) < 0)
        return fail(problem);
    // In-order keys must not descend (subtree bounds, not only parent/child pairs).
    std::optional<QVariant> previous;
    std::function<bool(qint32)> inorder = [&](qint32 n) -> bool {
        if (n == 0)
            return true;
        if (!inorder(link(n).Left))
            return false;
        const QVariant key = keyOf(n);
        if (previous && compareKeys(*previous, key) > 0)
            return false;
        previous = key;
        return inorder(link(n).Right);
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
        if (PositionOfNode(n) != p)
            return fail(QStringLiteral("position %1 does not lead back").arg(p));
    }
    return true;
}
