// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LocalTime.h"

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
} // namespace LocalTime
