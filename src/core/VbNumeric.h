// SPDX-License-Identifier: GPL-3.0-or-later
// Number reading the way the settings, dialogs and files of Corvina have always read numbers.
#pragma once

#include <QStringView>

#include <optional>

namespace VbNumeric
{
/// True when the whole text, blanks around it allowed, is one number: an optional sign, digits
/// with at most one decimal point, an optional exponent (E or D), or a hexadecimal "&H..." /
/// octal "&O..." literal. " 12" and "1.5" are numbers; "12x", "" and "abc" are not.
bool isNumeric(QStringView text);

/// The number the text holds when isNumeric is true.
std::optional<double> toNumber(QStringView text);

/// The value of the leading number: blanks anywhere are skipped, reading stops at the first
/// character that cannot continue the number. "12x" gives 12, "abc" and "" give 0.
double val(QStringView text);

/// Rounds to the nearest whole number, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
double roundHalfEven(double value);

/// Rounds half away from zero, as number formats do (0.125 to two places gives 0.13).
double roundHalfAway(double value);
} // namespace VbNumeric
