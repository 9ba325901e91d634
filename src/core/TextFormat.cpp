// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TextFormat.h"

#include "core/VbNumeric.h"

#include <QLocale>

#include <array>
#include <cmath>

namespace
{
QString fixed(double value, int decimals, const QString &point)
{
    const double scale = std::pow(10.0, decimals);
    const double scaled = VbNumeric::roundHalfAway(value * scale);
    const bool negative = scaled < 0;
    QString digits = QString::number(std::fabs(scaled), 'f', 0);
    if (digits.size() <= decimals)
        digits = QString(decimals + 1 - digits.size(), u'0') + digits;
    QString text = digits.left(digits.size() - decimals);
    if (decimals > 0)
        text += point + digits.right(decimals);
    return negative && scaled != 0 ? u'-' + text : text;
}

QString padded(qint64 value, int width)
{
    const QString digits = QString::number(value < 0 ? -value : value);
    const QString body = digits.size() < width ? QString(width - digits.size(), u'0') + digits : digits;
    return value < 0 ? u'-' + body : body;
}

constexpr std::array<const char16_t *, 12> kMonths = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                                      u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};

QString twoDigits(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}
} // namespace

namespace TextFormat
{
QString sizeText(double value)
{
    constexpr double kb = 1024.0;
    // A point in every locale: the session files and the reports keep this text.
    if (value >= kb * kb * kb)
        return fixed(value / kb / kb / kb, 2, QStringLiteral(".")) + u" GB";
    if (value >= kb * kb)
        return fixed(value / kb / kb, 2, QStringLiteral(".")) + u" MB";
    if (value >= kb)
        return fixed(value / kb, 2, QStringLiteral(".")) + u" KB";
    return QString::number(static_cast<qint64>(std::floor(value))) + u" Bytes";
}

QString pad12(qint64 value)
{
    return padded(value, 12);
}

QString pad11(qint64 value)
{
    return padded(value, 11);
}

QString oneDecimal(double value)
{
    return fixed(value, 1, QLocale().decimalPoint());
}

QString twoDecimals(double value)
{
    return fixed(value, 2, QLocale().decimalPoint());
}

QString dateText(const QDateTime &when)
{
    const QDate d = when.date();
    const QTime t = when.time();
    const int hour12 = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
    return QString::number(d.month()) + u'/' + QString::number(d.day()) + u'/' + QString::number(d.year()) + u' ' +
           QString::number(hour12) + u':' + twoDigits(t.minute()) + u':' + twoDigits(t.second()) +
           (t.hour() < 12 ? u" AM" : u" PM");
}

namespace
{
// The calendar fields of a date text, without any time-zone work.
bool parseFields(QStringView text, QDate &date, QTime &time);
} // namespace

QDateTime parseDateText(QStringView text)
{
    QDate date;
    QTime time;
    if (!parseFields(text, date, time))
        return {};
    return QDateTime(date, time);
}

namespace
{
bool parseFields(QStringView text, QDate &dateOut, QTime &timeOut)
{
    const QStringView t = text.trimmed();
    const auto parts = t.split(u' ', Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts.size() > 3)
        return false;
    const auto dateParts = parts[0].split(u'/');
    if (dateParts.size() != 3)
        return false;
    bool okM = false, okD = false, okY = false;
    const int month = dateParts[0].toInt(&okM);
    const int day = dateParts[1].toInt(&okD);
    const int year = dateParts[2].toInt(&okY);
    const QDate date(year, month, day);
    if (!okM || !okD || !okY || !date.isValid())
        return false;
    QTime time(0, 0, 0);
    if (parts.size() >= 2)
    {
        const auto timeParts = parts[1].split(u':');
        if (timeParts.size() < 2 || timeParts.size() > 3)
            return false;
        bool okH = false, okMin = false, okS = true;
        int hour = timeParts[0].toInt(&okH);
        const int minute = timeParts[1].toInt(&okMin);
        const int second = timeParts.size() == 3 ? timeParts[2].toInt(&okS) : 0;
        if (!okH || !okMin || !okS)
            return false;
        if (parts.size() == 3)
        {
            const bool pm = parts[2].compare(u"PM", Qt::CaseInsensitive) == 0;
            const bool am = parts[2].compare(u"AM", Qt::CaseInsensitive) == 0;
            if ((!pm && !am) || hour < 1 || hour > 12)
                return false;
            hour = hour % 12 + (pm ? 12 : 0);
        }
        time = QTime(hour, minute, second);
        if (!time.isValid())
            return false;
    }
    dateOut = date;
    timeOut = time;
    return true;
}
} // namespace

QString stampText(const QDateTime &when)
{
    const QDate d = when.date();
    const QTime t = when.time();
    return QStringLiteral("%1").arg(d.year(), 4, 10, QLatin1Char('0')) + twoDigits(d.month()) + twoDigits(d.day()) +
           twoDigits(t.hour()) + twoDigits(t.minute()) + twoDigits(t.second());
}

QString stampFromDateText(QStringView text)
{
    const auto stamp = packedStamp(text);
    return stamp ? QString::number(*stamp).rightJustified(14, u'0') : QString();
}

bool isDateText(QStringView text)
{
    QDate d;
    QTime t;
    return parseFields(text, d, t);
}

std::optional<qint64> packedStamp(QStringView text)
{
    QDate d;
    QTime t;
    // The largest year whose stamp (yyyy...mmddhhnnss) a 64-bit number holds; stamps of years before
    // 1 are not kept either, since 0 and below mean "no date".
    constexpr int LastStampYear = 922337202;
    if (!parseFields(text, d, t) || d.year() < 1 || d.year() > LastStampYear)
        return std::nullopt;
    return ((((static_cast<qint64>(d.year()) * 100 + d.month()) * 100 + d.day()) * 100 + t.hour()) * 100 + t.minute()) *
               100 +
           t.second();
}

QString dateTextFromStamp(qint64 stamp)
{
    const int second = static_cast<int>(stamp % 100);
    const int minute = static_cast<int>(stamp / 100 % 100);
    const int hour = static_cast<int>(stamp / 10000 % 100);
    const int day = static_cast<int>(stamp / 1000000 % 100);
    const int month = static_cast<int>(stamp / 100000000 % 100);
    const int year = static_cast<int>(stamp / 10000000000LL);
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    return QString::number(month) + u'/' + QString::number(day) + u'/' + QString::number(year) + u' ' +
           QString::number(hour12) + u':' + twoDigits(minute) + u':' + twoDigits(second) +
           (hour < 12 ? u" AM" : u" PM");
}

QString logDateText(const QDateTime &when)
{
    const QDate d = when.date();
    const QTime t = when.time();
    const int hour12 = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
    return twoDigits(d.day()) + u'-' + QString::fromUtf16(kMonths[static_cast<size_t>(d.month() - 1)]) + u'-' +
           QString::number(d.year()) + u' ' + twoDigits(hour12) + u':' + twoDigits(t.minute()) + u':' +
           twoDigits(t.second()) + (t.hour() < 12 ? u" AM" : u" PM");
}
} // namespace TextFormat
