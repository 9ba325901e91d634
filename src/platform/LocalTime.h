// SPDX-License-Identifier: GPL-3.0-or-later
// A moment in the local time of this machine, as calendar fields.
#pragma once

#include <QtGlobal>

namespace LocalTime
{
struct Fields
{
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    int hour = 0;  // 0..23
    int minute = 0;
    int second = 0;
};

/// The local calendar fields of a time in seconds since the epoch. The time-zone rules are read
/// once per process, so this is cheap enough to call once per file of a scan.
Fields fromEpochSeconds(qint64 seconds);

/// The same moment as the number yyyymmddhhnnss, as result rows keep dates. Some file systems
/// (tmpfs) keep any 64-bit time a program sets: a time before the year 1 or more than 100 million
/// years after 1970 gives the number of that bound, so that neither the number nor the calendar
/// fields overflow.
qint64 stamp(qint64 seconds);
} // namespace LocalTime
