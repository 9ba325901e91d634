// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CHiveKeys.h"

#include <QRandomGenerator>

namespace HiveKeys
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
} // namespace HiveKeys
