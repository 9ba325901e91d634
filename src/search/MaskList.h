// SPDX-License-Identifier: GPL-3.0-or-later
// The user's list of file masks, kept in the settings, and the size fields of a location.
#pragma once

#include <QStringList>

class Settings;

namespace MaskList
{
/// What a mask list shows: the stored list (Settings::fileMasks()), or the ten presets while the
/// user has added none.
QStringList masksOrPresets(const Settings &settings);

/// A typed mask that is not blank and equals no entry exactly goes to the top; true when it did.
bool addTypedMask(QStringList &masks, const QString &typed);
} // namespace MaskList

namespace SizeFields
{
/// The minimum as stored: "10" when it is blank or not a number.
QString normalizedMin(const QString &text);

/// The maximum as stored: "" when it is not a number.
QString normalizedMax(const QString &text);

/// True unless both are numbers and the maximum (as a whole number) is not greater than the
/// minimum. A minimum that is not a number counts as 0, so a typed maximum is never refused
/// because of it.
bool maxAcceptable(const QString &minText, const QString &maxText);
} // namespace SizeFields
