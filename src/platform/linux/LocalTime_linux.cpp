// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LocalTime.h"

#include <algorithm>
#include <ctime>

namespace LocalTime
{
Fields fromEpochSeconds(qint64 seconds)
{
    const time_t t = static_cast<time_t>(seconds);
    struct tm tm
    {
    };
    if (!::localtime_r(&t, &tm))
        return {1970, 1, 1, 0, 0, 0};
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

qint64 stamp(qint64 seconds)
{
    // A day after the year 1 begins, so that no time zone makes it the year 0; years of 365.2425 days.
    constexpr qint64 Earliest = -62135596800 + 86400;
    constexpr qint64 Latest = qint64{100'000'000} * 31'556'952;
    const Fields t = fromEpochSeconds(std::clamp(seconds, Earliest, Latest));
    return ((((static_cast<qint64>(t.year) * 100 + t.month) * 100 + t.day) * 100 + t.hour) * 100 + t.minute) * 100 +
           t.second;
}
} // namespace LocalTime
