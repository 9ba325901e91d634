// SPDX-License-Identifier: GPL-3.0-or-later
// Byte counts and dates as the user's locale writes them, for the windows only: files keep
// Corvina's own texts (TextFormat), which are read back whatever the locale.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace LocaleText
{
/// False for the C locale: it names no language or country (scripts and tests run in it), so
/// the windows show Corvina's own texts there, as the files hold them.
bool follows(const QLocale &locale);

/// A count with the locale's digit grouping ("12.345 Dateien" in German); plain digits in the C
/// locale.
QString number(qint64 count, const QLocale &locale = QLocale());

/// A byte count, likewise ("1.099.511.627.776" in German).
QString bytes(qint64 count, const QLocale &locale);

/// The calendar fields of a packed yyyymmddhhnnss stamp in the locale's short date and time
/// format ("28.12.24 22:58" in German); "12/28/2024 10:58:58 PM" in the C locale. A stamp that
/// is no date gives Corvina's own text of it.
QString stamp(qint64 packed, const QLocale &locale);

/// A local time, likewise.
QString dateTime(const QDateTime &local, const QLocale &locale);
} // namespace LocaleText
