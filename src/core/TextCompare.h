// SPDX-License-Identifier: GPL-3.0-or-later
// Text comparison used wherever Corvina compares "without regard to case".
#pragma once

#include <QStringView>

namespace TextCompare
{
/// Three-way comparison without regard to case (Unicode case folding, then code units): -1, 0 or 1.
/// Every case-insensitive comparison of the program goes through here, so that sorting, the keyed
/// collection, folder sets and exclusions agree on what "the same text" is.
int compareNoCase(QStringView a, QStringView b) noexcept;

/// Three-way comparison by character code: -1, 0 or 1.
int compareExact(QStringView a, QStringView b) noexcept;

inline bool equalsNoCase(QStringView a, QStringView b) noexcept
{
    return a.size() == b.size() && compareNoCase(a, b) == 0;
}

/// Three-way comparison by the selected mode (exact = by character code).
inline int compare(QStringView a, QStringView b, bool exact) noexcept
{
    return exact ? compareExact(a, b) : compareNoCase(a, b);
}
} // namespace TextCompare
