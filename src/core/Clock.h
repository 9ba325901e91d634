// SPDX-License-Identifier: GPL-3.0-or-later
// Where "now" comes from, so that stopwatches can be tested without sleeping.
#pragma once

#include <QDateTime>

#include <functional>

/// Returns the current local date and time.
using Clock = std::function<QDateTime()>;

inline QDateTime systemNow()
{
    return QDateTime::currentDateTime();
}
