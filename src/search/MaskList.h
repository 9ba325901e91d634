// SPDX-License-Identifier: GPL-3.0-or-later
// The user's list of file masks, kept in the settings store, and the size fields of a location.
#pragma once

#include <QStringList>

#include <optional>

class SettingsStore;

namespace MaskList
{
/// The stored list (section "FileMask", in the order written), or nothing when the user never
/// added a mask (the section does not exist).
std::optional<QStringList> loadMasks(const SettingsStore &store);

/// What a mask list shows: the stored list, or the ten presets.
QStringList masksOrPresets(const SettingsStore &store);

/// Rewrites the stored list: the section is deleted, then entry i is written under key "i".
void saveMasks(SettingsStore &store, const QStringList &masks);

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
