// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/AdvMarkingChoices.h"

#include "platform/SettingsStore.h"

namespace
{
// A stored option number; anything outside first..last reads as 0 (none).
int option(const QString &text, int last)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok && v >= 0 && v <= last ? v : 0;
}
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
} // namespace KeepRules

AdvMarkingChoices AdvMarkingChoices::load(const SettingsStore &settings)
{
    AdvMarkingChoices c;
    c.keep = KeepRules::normalized({option(settings.value(Settings::AdvDateTime), 2),
                                    option(settings.value(Settings::AdvFileSize), 2),
                                    option(settings.value(Settings::AdvVersion), 2)});
    c.sizeLimit = option(settings.value(Settings::AdvSizeLimit), 3);
    c.sizeLimitText = settings.value(Settings::AdvSizeLimitText);
    c.sizeUnit = settings.value(Settings::AdvSizeUnit);
    c.fileMask1 = settings.value(Settings::AdvRangeMask);
    c.includeSubFolders = settings.value(Settings::AdvIncludeSubFolders).trimmed() != QStringLiteral("0");
    c.fileMask2 = settings.value(Settings::AdvFolderMask);
    return c;
}

void AdvMarkingChoices::save(SettingsStore &settings) const
{
    settings.setValue(Settings::AdvDateTime, QString::number(keep.dateTime));
    settings.setValue(Settings::AdvFileSize, QString::number(keep.fileSize));
    settings.setValue(Settings::AdvVersion, QString::number(keep.version));
    settings.setValue(Settings::AdvSizeLimit, QString::number(sizeLimit));
    settings.setValue(Settings::AdvSizeLimitText, sizeLimitText);
    settings.setValue(Settings::AdvSizeUnit, sizeUnit);
    settings.setValue(Settings::AdvRangeMask, fileMask1);
    settings.setValue(Settings::AdvIncludeSubFolders, includeSubFolders ? QStringLiteral("1") : QStringLiteral("0"));
    settings.setValue(Settings::AdvFolderMask, fileMask2);
}
