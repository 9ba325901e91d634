// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/LocaleText.h"

#include "core/TextFormat.h"

namespace LocaleText
{
bool follows(const QLocale &locale)
{
    return locale.language() != QLocale::C;
}

QString bytes(qint64 count, const QLocale &locale)
{
    return number(count, locale);
}

QString number(qint64 count, const QLocale &locale)
{
    if (!follows(locale))
        return QString::number(count);
    // A view's locale may come with grouping switched off (item views do that for their cells).
    QLocale grouped = locale;
    grouped.setNumberOptions(QLocale::DefaultNumberOptions);
    return grouped.toString(count);
}

QString stamp(qint64 packed, const QLocale &locale)
{
    const QDate date(static_cast<int>(packed / 10000000000LL), static_cast<int>(packed / 100000000 % 100),
                     static_cast<int>(packed / 1000000 % 100));
    const QTime time(static_cast<int>(packed / 10000 % 100), static_cast<int>(packed / 100 % 100),
                     static_cast<int>(packed % 100));
    if (!follows(locale) || !date.isValid() || !time.isValid())
        return TextFormat::dateTextFromStamp(packed);
    // The stamp's own fields, shown as they are: in UTC no time zone moves or drops an hour.
    return locale.toString(QDateTime(date, time, Qt::UTC), locale.dateTimeFormat(QLocale::ShortFormat));
}

QString dateTime(const QDateTime &local, const QLocale &locale)
{
    if (!follows(locale))
        return TextFormat::dateText(local);
    return locale.toString(local, QLocale::ShortFormat);
}
} // namespace LocaleText
