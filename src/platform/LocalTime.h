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
} // namespace LocalTime
