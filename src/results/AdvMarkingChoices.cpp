// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/AdvMarkingChoices.h"

#include <utility>

namespace
{
// The choice of each rule.
constexpr std::pair<Settings::KeepRule, KeepChoice> kChoices[] = {
    {Settings::KeepRule::NewerFiles, {1, 0, 0}},   {Settings::KeepRule::OlderFiles, {2, 0, 0}},
    {Settings::KeepRule::LargerFiles, {0, 1, 0}},  {Settings::KeepRule::SmallerFiles, {0, 2, 0}},
    {Settings::KeepRule::NewerVersion, {0, 0, 1}}, {Settings::KeepRule::OlderVersion, {0, 0, 2}},
};
} // namespace

namespace KeepRules
{
KeepChoice pick(KeepChoice current, KeepGroup group, int value)
{
    KeepChoice next = current;
    int &picked = group == KeepGroup::DateTime   ? next.dateTime
                  : group == KeepGroup::FileSize ? next.fileSize
                                                 : next.version;
    picked = value;
    if (value != 0)
    {
        next.dateTime = group == KeepGroup::DateTime ? value : 0;
        next.fileSize = group == KeepGroup::FileSize ? value : 0;
        next.version = group == KeepGroup::Version ? value : 0;
        return next;
    }
    if (next.dateTime == 0 && next.fileSize == 0 && next.version == 0)
        next.dateTime = 1;
    return next;
}

KeepChoice normalized(KeepChoice choice)
{
    auto valid = [](int v) { return v == 1 || v == 2 ? v : 0; };
    if (const int d = valid(choice.dateTime))
        return {d, 0, 0};
    if (const int s = valid(choice.fileSize))
        return {0, s, 0};
    if (const int v = valid(choice.version))
        return {0, 0, v};
    return {1, 0, 0};
}

KeepRule rule(KeepChoice choice)
{
    const KeepChoice c = normalized(choice);
    if (c.dateTime != 0)
        return c.dateTime == 1 ? KeepRule::NewerFiles : KeepRule::OlderFiles;
    if (c.fileSize != 0)
        return c.fileSize == 1 ? KeepRule::LargerFiles : KeepRule::SmallerFiles;
    return c.version == 1 ? KeepRule::NewerVersion : KeepRule::OlderVersion;
}

Settings::KeepRule storedRule(KeepChoice choice)
{
    const KeepChoice c = normalized(choice);
    for (const auto &[rule, ruleChoice] : kChoices)
    {
        if (ruleChoice == c)
            return rule;
    }
    return Settings::KeepRule::NewerFiles;
}

KeepChoice choiceOf(Settings::KeepRule rule)
{
    for (const auto &[stored, choice] : kChoices)
    {
        if (stored == rule)
            return choice;
    }
    return KeepChoice{};
}
} // namespace KeepRules

AdvMarkingChoices AdvMarkingChoices::load(const Settings &settings)
{
    AdvMarkingChoices c;
    c.keep = KeepRules::choiceOf(settings.markingKeep());
    c.sizeLimit = settings.markingSizeLimit();
    c.sizeLimitText = settings.markingSizeText();
    c.sizeUnit = settings.markingSizeUnit();
    c.fileMask1 = settings.markingRangeMask();
    c.includeSubFolders = settings.markingIncludeSubFolders();
    c.fileMask2 = settings.markingFolderMask();
    return c;
}

void AdvMarkingChoices::save(Settings &settings) const
{
    settings.setMarkingKeep(KeepRules::storedRule(keep));
    settings.setMarkingSizeLimit(sizeLimit);
    settings.setMarkingSizeText(sizeLimitText);
    settings.setMarkingSizeUnit(sizeUnit);
    settings.setMarkingRangeMask(fileMask1);
    settings.setMarkingIncludeSubFolders(includeSubFolders);
    settings.setMarkingFolderMask(fileMask2);
}
