// SPDX-License-Identifier: GPL-3.0-or-later
// The choices of the advanced marking dialog: the exclusive keep rules and what is remembered
// in the settings.
#pragma once

#include "platform/Settings.h"
#include "results/AdvancedMarking.h"

#include <QString>

/// The three keep-rule groups of "By Range", each 0 "None" or one of its two keep options (1, 2),
/// the ids of the dialog's option buttons.
struct KeepChoice
{
    int dateTime = 1; // 1 "Keep Newer Files", 2 "Keep Older Files"
    int fileSize = 0; // 1 "Keep Larger Files", 2 "Keep Smaller Files"
    int version = 0;  // 1 "Keep Newer Version Files", 2 "Keep Older Version Files"

    bool operator==(const KeepChoice &) const = default;
};

enum class KeepGroup
{
    DateTime,
    FileSize,
    Version
};

namespace KeepRules
{
/// The choice after the user picks value in one group: a keep option sets the other two groups
/// to "None"; "None" where the other two already are "None" selects "Keep Newer Files". So
/// exactly one keep rule is always active.
KeepChoice pick(KeepChoice current, KeepGroup group, int value);

/// Exactly one keep rule: the first one set of date, size and version, the others "None";
/// "Keep Newer Files" when none is set (a damaged settings file).
KeepChoice normalized(KeepChoice choice);

/// The rule of a normalized choice.
KeepRule rule(KeepChoice choice);

/// The rule as the settings keep it, and back.
Settings::KeepRule storedRule(KeepChoice choice);
KeepChoice choiceOf(Settings::KeepRule rule);
} // namespace KeepRules

/// Everything the dialog remembers between uses and runs.
struct AdvMarkingChoices
{
    KeepChoice keep;
    Settings::SizeLimit sizeLimit = Settings::SizeLimit::None;
    QString sizeLimitText;
    Settings::SizeUnit sizeUnit = Settings::SizeUnit::KB;
    QString fileMask1 = QStringLiteral("All files(*.*)");
    bool includeSubFolders = true;
    QString fileMask2 = QStringLiteral("All files(*.*)");

    bool operator==(const AdvMarkingChoices &) const = default;

    static AdvMarkingChoices load(const Settings &settings);
    void save(Settings &settings) const;
};
