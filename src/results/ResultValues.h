// SPDX-License-Identifier: GPL-3.0-or-later
// What the six values of an entry of the result collection hold, by their numbers.
#pragma once

/// The values of a result collection entry (and of a ResultList row), as the scan writes them and
/// the result model reads them: CHive::value(key, v) and CHive::at(p, v) take these numbers.
namespace ResultValue
{
enum : int
{
    SizeKey = 0, // the size as twelve digits
    Name = 1,
    Folder = 2, // ending with "/"
    Version = 3,
    Shade = 4, // 1 or 2, changing from one group to the next
    Date = 5,
};
} // namespace ResultValue
