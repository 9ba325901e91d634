// SPDX-License-Identifier: GPL-3.0-or-later
// A byte count as the screen shows it: in the user's language and number format.
#pragma once

#include <QString>

namespace ShownSize
{
/// "512 Bytes", "1.50 KB", "1.00 MB", "2.25 GB": the thresholds and rounding of
/// TextFormat::sizeText, with the decimal separator of the user's locale (QLocale()) and the units
/// in the user's language. For the windows and messages only: files and reports keep
/// TextFormat::sizeText.
QString text(double bytes);
} // namespace ShownSize
