// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/FileRecord.h"

#include "core/TextFormat.h"
#include "platform/LocalTime.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace
{
constexpr QStringView kSeparator(u"?");

int sign(int v)
{
    return (v > 0) - (v < 0);
}

// The size key written into a caller's buffer, so that comparisons do not allocate.
QStringView sizeKeyView(qint64 size, std::array<char16_t, 24> &buffer)
{
    qsizetype n = 0;
    std::array<char16_t, 24> digits{};
    quint64 v = static_cast<quint64>(size < 0 ? -size : size);
    do
    {
        digits[static_cast<size_t>(n++)] = static_cast<char16_t>(u'0' + v % 10);
        v /= 10;
    } while (v != 0);
    qsizetype out = 0;
    if (size < 0)
        buffer[static_cast<size_t>(out++)] = u'-';
    for (qsizetype pad = n; pad < 12; ++pad)
        buffer[static_cast<size_t>(out++)] = u'0';
    while (n > 0)
        buffer[static_cast<size_t>(out++)] = digits[static_cast<size_t>(--n)];
    return QStringView(buffer.data(), out);
}

// A record text as the pieces it is joined from. The last piece, the date, is written only when
// a comparison gets that far: most records differ before it.
struct Pieces
{
    std::array<QStringView, 7> part;
    int count = 0;
    qint64 mtime = 0;
    bool dateToCome = true;
    QString date;

    Pieces(std::initializer_list<QStringView> parts, qint64 mtimeValue) : mtime(mtimeValue)
    {
        for (QStringView p : parts)
            part[static_cast<size_t>(count++)] = p;
    }
    Pieces(const Pieces &) = delete;
    Pieces &operator=(const Pieces &) = delete;

    // Makes the date piece; false when there is none to come.
    bool completeDate()
    {
        if (!dateToCome)
            return false;
        dateToCome = false;
        date = fileDateText(mtime);
        part[static_cast<size_t>(count++)] = date;
        return true;
    }
};

// The joined text of pieces from piece k, offset off, on.
QString restOf(Pieces &p, int k, qsizetype off)
{
    p.completeDate();
    QString s;
    for (int j = k; j < p.count; ++j)
        s += j == k ? p.part[static_cast<size_t>(j)].mid(off) : p.part[static_cast<size_t>(j)];
    return s;
}

// TextCompare::compareNoCase of the two joined texts, without joining them. Units that are equal
// fold equally, so long equal stretches (the start of two folders) are passed over in steps of
// four; at the first difference ASCII letters fold here, anything else goes to Qt's folding of
// the rest of both texts, as compareNoCase does.
int compareJoinedNoCase(Pieces &a, Pieces &b)
{
    int ka = 0;
    int kb = 0;
    qsizetype oa = 0;
    qsizetype ob = 0;
    for (;;)
    {
        while ((ka < a.count || a.completeDate()) && oa == a.part[static_cast<size_t>(ka)].size())
        {
            ++ka;
            oa = 0;
        }
        while ((kb < b.count || b.completeDate()) && ob == b.part[static_cast<size_t>(kb)].size())
        {
            ++kb;
            ob = 0;
        }
        if (ka == a.count || kb == b.count)
            return (ka < a.count) - (kb < b.count);
        const QStringView sa = a.part[static_cast<size_t>(ka)];
        const QStringView sb = b.part[static_cast<size_t>(kb)];
        const char16_t *pa = sa.utf16() + oa;
        const char16_t *pb = sb.utf16() + ob;
        const qsizetype n = std::min(sa.size() - oa, sb.size() - ob);
        qsizetype i = 0;
        while (i + 4 <= n && std::memcmp(pa + i, pb + i, 4 * sizeof(char16_t)) == 0)
            i += 4;
        for (; i < n; ++i)
        {
            char16_t x = pa[i];
            char16_t y = pb[i];
            if (x == y)
                continue;
            if (x >= 0x80 || y >= 0x80)
            {
                // Qt folds a low surrogate together with the high surrogate before it (the same
                // unit on both sides, and never the last unit of a piece): start there.
                const qsizetype back = oa + i > 0 && sa[oa + i - 1].isHighSurrogate() ? 1 : 0;
                const QString restA = restOf(a, ka, oa + i - back);
                const QString restB = restOf(b, kb, ob + i - back);
                return sign(QStringView(restA).compare(restB, Qt::CaseInsensitive));
            }
            if (x >= u'A' && x <= u'Z')
                x += 32;
            if (y >= u'A' && y <= u'Z')
                y += 32;
            if (x != y)
                return x < y ? -1 : 1;
        }
        oa += n;
        ob += n;
    }
}

// The answer when two texts differ in ASCII letters before either ends; 0 when that does not
// settle it.
int quickDecide(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const char16_t *pa = a.utf16();
    const char16_t *pb = b.utf16();
    for (qsizetype i = 0; i < n; ++i)
    {
        char16_t x = pa[i];
        char16_t y = pb[i];
        if (x == y && x < 0x80)
            continue;
        if (x >= 0x80 || y >= 0x80)
            return 0;
        if (x >= u'A' && x <= u'Z')
            x += 32;
        if (y >= u'A' && y <= u'Z')
            y += 32;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}
} // namespace

QString FileRecord::sizeKey() const
{
    return TextFormat::pad12(size);
}

QString FileRecord::date() const
{
    return fileDateText(mtime);
}

std::array<QString, 4> FileRecord::fields(RecordOrder order) const
{
    if (order == RecordOrder::NameFirst)
        return {name, sizeKey(), folder, date()};
    return {sizeKey(), name, folder, date()};
}

QString FileRecord::text(RecordOrder order) const
{
    const auto f = fields(order);
    return f[0] + kSeparator + f[1] + kSeparator + f[2] + kSeparator + f[3];
}

qint64 fileDateStamp(qint64 epochSeconds)
{
    return LocalTime::stamp(epochSeconds);
}

QString fileDateText(qint64 epochSeconds)
{
    return TextFormat::dateTextFromStamp(fileDateStamp(epochSeconds));
}

int compareRecords(const RecordView &a, const RecordView &b, RecordOrder order)
{
    if (order == RecordOrder::SizeFirst)
    {
        // Equal sizes give equal keys and separators: the texts differ from the name on.
        if (a.size != b.size)
            return a.size < b.size ? -1 : 1;
        Pieces pa({a.name, kSeparator, a.folder, kSeparator}, a.mtime);
        Pieces pb({b.name, kSeparator, b.folder, kSeparator}, b.mtime);
        return compareJoinedNoCase(pa, pb);
    }
    // Names mostly differ before either ends: the size keys are then never written.
    if (const int r = quickDecide(a.name, b.name))
        return r;
    std::array<char16_t, 24> ka;
    std::array<char16_t, 24> kb;
    Pieces pa({a.name, kSeparator, sizeKeyView(a.size, ka), kSeparator, a.folder, kSeparator}, a.mtime);
    Pieces pb({b.name, kSeparator, sizeKeyView(b.size, kb), kSeparator, b.folder, kSeparator}, b.mtime);
    return compareJoinedNoCase(pa, pb);
}

RecordHead recordHead(const RecordView &r, RecordOrder order)
{
    std::array<char16_t, 24> key;
    const std::array<QStringView, 4> sizeFirst{r.name, kSeparator, r.folder, kSeparator};
    const std::array<QStringView, 4> nameFirst{r.name, kSeparator, sizeKeyView(r.size, key), kSeparator};
    RecordHead head;
    int taken = 0;
    for (QStringView piece : order == RecordOrder::SizeFirst ? sizeFirst : nameFirst)
    {
        for (qsizetype i = 0; i < piece.size() && taken < 8; ++i, ++taken)
        {
            // Units compare as compareJoinedNoCase compares them: ASCII letters folded here, any
            // other unit by Qt's folding, which for a unit that is no surrogate is its own.
            const QChar c = piece[i];
            if (c.isSurrogate())
                return {};
            const char16_t folded = c.unicode() < 0x80 ? (c >= u'A' && c <= u'Z' ? c.unicode() + 32 : c.unicode())
                                                       : c.toCaseFolded().unicode();
            quint64 &half = taken < 4 ? head.high : head.low;
            half = (half << 16) | folded;
        }
    }
    return taken == 8 ? head : RecordHead{};
}
