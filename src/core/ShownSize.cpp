// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ShownSize.h"

#include "core/VbNumeric.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace
{
// Two decimals, halves rounded away from zero, no grouping: only the separator is the locale's,
// so that a size reads the same in every panel whatever the user's number format groups.
QString twoDecimals(double value)
{
    const auto hundredths = static_cast<qint64>(VbNumeric::roundHalfAway(value * 100));
    return QString::number(hundredths / 100) + QLocale().decimalPoint() +
           QStringLiteral("%1").arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}
} // namespace

namespace ShownSize
{
QString text(double bytes)
{
    constexpr double kb = 1024.0;
    // The divisions in the order TextFormat::sizeText makes them, so both round the same number.
    if (bytes >= kb * kb * kb)
        //: A size in gigabytes (1024 MB); %1 is the number with two decimals.
        return QCoreApplication::translate("ShownSize", "%1 GB").arg(twoDecimals(bytes / kb / kb / kb));
    if (bytes >= kb * kb)
        //: A size in megabytes (1024 KB); %1 is the number with two decimals.
        return QCoreApplication::translate("ShownSize", "%1 MB").arg(twoDecimals(bytes / kb / kb));
    if (bytes >= kb)
        //: A size in kilobytes (1024 bytes); %1 is the number with two decimals.
        return QCoreApplication::translate("ShownSize", "%1 KB").arg(twoDecimals(bytes / kb));
    // Counted before the call: lupdate does not find a text whose count is a cast.
    const int count = static_cast<int>(std::floor(bytes));
    //: A size below one kilobyte, in bytes.
    return QCoreApplication::translate("ShownSize", "%n Bytes", nullptr, count);
}
} // namespace ShownSize
