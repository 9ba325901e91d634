// SPDX-License-Identifier: GPL-3.0-or-later
// Total-size limits in kilobytes for marking copies that are to fit on a CD, a DVD or a typed size.
#pragma once

#include <QStringView>

#include <optional>

namespace SizeLimits
{
/// A CD: 700 MB in kilobytes.
inline constexpr double Cd = 716800;
/// A DVD: 4,700,000,000 bytes in kilobytes, rounded down.
inline constexpr double Dvd = 4589843;

/// A typed number in the unit of list position unitIndex: 0 kilobytes (the number as typed),
/// 1 megabytes and 2 gigabytes (the whole part times 1024 or 1024 x 1024). Nothing for any other
/// position (no unit chosen).
std::optional<double> inKilobytes(double number, int unitIndex);

/// What "Mark All Duplicates upto..." gets from the size-limit dialog: the limit in kilobytes (0
/// before any was chosen) and whether the largest copies are marked first.
struct UpTo
{
    double limitKb = 0;
    bool largeFilesFirst = false;
};

/// What OK of the size-limit dialog makes of its choice: the new limit, or a refusal of a typed
/// text that is not a number.
struct Answer
{
    bool refused = false;     // "Specify :" with a text that is not a number
    std::optional<double> kb; // the limit; unchanged (the current one) when nothing applies
};

/// option: 1 CD, 2 DVD, 3 "Specify :" (any other: none chosen). current is the limit chosen
/// before, kept when the choice gives none (no option, or no unit).
Answer maxSizeOk(int option, QStringView text, int unitIndex, std::optional<double> current);

/// The limit of advanced marking's "By Range" page: option 0 none (0, no limit), 1 CD, 2 DVD,
/// 3 "Specify :" (a unit outside the list gives no limit). Nothing when the typed text is not a
/// number.
std::optional<double> rangeLimit(int option, QStringView text, int unitIndex);
} // namespace SizeLimits
