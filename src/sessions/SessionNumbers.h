// SPDX-License-Identifier: GPL-3.0-or-later
// The number fields of a session header: a field either is a number of its type or the file is
// damaged.
#pragma once

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
} // namespace SessionNumbers
