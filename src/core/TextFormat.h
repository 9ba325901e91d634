// SPDX-License-Identifier: GPL-3.0-or-later
// The number and date texts that Corvina shows, stores in files and reads back.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>

namespace TextFormat
{
/// A byte count as reports and session files keep it: "512 Bytes", "1.50 KB", "1.00 MB",
/// "2.25 GB" (two decimals from 1024 up), with a point whatever the locale. The windows and the
/// messages show ShownSize::text, in the user's language and number format.
QString sizeText(double value);

/// Twelve digits with leading zeros (the size key): 1234 gives "000000001234".
QString pad12(qint64 value);
/// Eleven digits with leading zeros (the group key): 2 gives "00000000002".
QString pad11(qint64 value);

/// "0.0": one decimal, halves rounded away from zero, the locale's decimal separator.
QString oneDecimal(double value);
/// "#0.00": at least one integer digit, two decimals, no grouping.
QString twoDecimals(double value);

/// "m/d/yyyy h:mm:ss AMPM" with English AM/PM whatever the locale: 7 March 2004 21:05:03 gives
/// "3/7/2004 9:05:03 PM". Files store this text and read it back, so it never follows the locale.
QString dateText(const QDateTime &when);

/// Reads a text written by dateText back (also without seconds, without time, or with a 24-hour
/// time); an invalid QDateTime when the text is not such a date.
QDateTime parseDateText(QStringView text);

/// "yyyymmddhhnnss": 14 digits, hours 00-23.
QString stampText(const QDateTime &when);

/// The stamp of a date text, or "" when the text is not a date.
QString stampFromDateText(QStringView text);

/// True when the text is a date that parseDateText reads (calendar fields only, no time zone).
bool isDateText(QStringView text);

/// A date text (as dateText writes it, or a variant parseDateText reads) as the number
/// yyyymmddhhnnss; nothing when the text is not a date or its year is below 1 or too large for
/// the number. Pure arithmetic, no time zone involved.
std::optional<qint64> packedStamp(QStringView dateText);

/// The date text of a packed stamp: dateText() of the same calendar fields.
QString dateTextFromStamp(qint64 stamp);

/// "dd-mmm-yyyy hh:mm:ss AMPM" with English month names: "04-Dec-2026 04:30:12 AM".
QString logDateText(const QDateTime &when);
} // namespace TextFormat
