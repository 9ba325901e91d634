// SPDX-License-Identifier: GPL-3.0-or-later
// The number fields of a session header: a field either is a number of its type or the file is
// damaged.
#pragma once

#include "platform/PictureHash.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace SessionNumbers
{
/// A 16-bit number: the whole field is a number (blanks around it allowed), rounded half to even.
/// Nothing when it is not a number or lies outside the range.
std::optional<qint16> toInteger(QStringView field);

/// The same for a 32-bit number.
std::optional<qint32> toLong(QStringView field);

/// A byte total as the currency type holds it (to 922337203685477), rounded to whole bytes.
std::optional<qint64> toCurrency(QStringView field);

/// The similarity of a list of similar pictures, the header's field 10: 0 strict, 1 close,
/// 2 loose. Nothing for any other field.
std::optional<PictureLevel> toPictureLevel(QStringView field);
/// The field that toPictureLevel reads back as level.
QString pictureLevelField(PictureLevel level);
} // namespace SessionNumbers
