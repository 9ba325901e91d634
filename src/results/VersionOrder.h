// SPDX-License-Identifier: GPL-3.0-or-later
// The order of file-version texts ("5.1.2600.0", "N/A") as a person reads them.
#pragma once

#include <QStringView>

namespace VersionOrder
{
/// Three-way comparison (-1, 0, 1) part by part: the runs of digits of each text, in order,
/// compared as numbers, so "10.0" is newer than "9.0"; missing parts count as 0 ("1.2" equals
/// "1.2.0"). A text without any digit ("N/A", "") is older than every numbered version; two such
/// texts compare as text without regard to case.
int compare(QStringView a, QStringView b);
} // namespace VersionOrder
