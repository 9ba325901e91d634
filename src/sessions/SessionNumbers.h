// The number conversions of the session reader: a field either is a number or the load fails.
#pragma once

#include <QStringView>

namespace SessionNumbers
{
/// A 16-bit number: the whole field is a number (blanks around it allowed), rounded half to even.
/// Raises Type mismatch (13) when it is not a number and Overflow (6) outside the range.
qint16 toInteger(QStringView field);

/// The same for a 32-bit number.
qint32 toLong(QStringView field);

/// A byte total as the currency type holds it (to 922337203685477), rounded to whole bytes.
qint64 toCurrency(QStringView field);
} // namespace SessionNumbers
