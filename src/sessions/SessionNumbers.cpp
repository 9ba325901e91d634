// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessions/SessionNumbers.h"

#include "core/VbNumeric.h"

namespace
{
std::optional<double> wholeNumber(QStringView field, double lowest, double highest)
{
    const auto value = VbNumeric::toNumber(field);
    if (!value)
        return std::nullopt;
    const double rounded = VbNumeric::roundHalfEven(*value);
    // Written so that a NaN fails too.
    if (!(rounded >= lowest && rounded <= highest))
        return std::nullopt;
    return rounded;
}
} // namespace

namespace SessionNumbers
{
std::optional<qint16> toInteger(QStringView field)
{
    const auto n = wholeNumber(field, -32768.0, 32767.0);
    return n ? std::optional<qint16>(static_cast<qint16>(*n)) : std::nullopt;
}

std::optional<qint32> toLong(QStringView field)
{
    const auto n = wholeNumber(field, -2147483648.0, 2147483647.0);
    return n ? std::optional<qint32>(static_cast<qint32>(*n)) : std::nullopt;
}

std::optional<qint64> toCurrency(QStringView field)
{
    const auto n = wholeNumber(field, -922337203685477.0, 922337203685477.0);
    return n ? std::optional<qint64>(static_cast<qint64>(*n)) : std::nullopt;
}

std::optional<PictureLevel> toPictureLevel(QStringView field)
{
    const std::optional<qint16> number = toInteger(field);
    if (!number)
        return std::nullopt;
    switch (*number)
    {
    case 0:
        return PictureLevel::Strict;
    case 1:
        return PictureLevel::Close;
    case 2:
        return PictureLevel::Loose;
    default:
        return std::nullopt;
    }
}

QString pictureLevelField(PictureLevel level)
{
    switch (level)
    {
    case PictureLevel::Strict:
        return QStringLiteral("0");
    case PictureLevel::Close:
        return QStringLiteral("1");
    case PictureLevel::Loose:
        return QStringLiteral("2");
    }
    return {};
}
} // namespace SessionNumbers
