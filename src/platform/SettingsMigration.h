// SPDX-License-Identifier: GPL-3.0-or-later
// Moves the settings of a file written before the settings had types into their typed keys.
#pragma once

class SettingsStore;

namespace SettingsMigration
{
/// Each key of the old form found in the store is read as the old program read it, its value
/// written under the new key (replacing what is there: an old key can only be present because an
/// older Corvina wrote it after the last migration), and the old key removed. An old value the
/// old program never wrote leaves the new key as it was, so the setting keeps its value or its
/// default. The old form's write order of each section goes too; the list of masks keeps its
/// form. A store without old keys is not touched.
void migrate(SettingsStore &store);
} // namespace SettingsMigration
