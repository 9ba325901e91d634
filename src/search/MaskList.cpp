// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/MaskList.h"

#include "core/VbNumeric.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "search/FileMasks.h"

namespace MaskList
{
std::optional<QStringList> loadMasks(const SettingsStore &store)
{
    const QString section = QString::fromUtf16(Settings::FileMaskSection);
    if (!store.hasSection(section))
        return std::nullopt;
    QStringList masks;
    for (const auto &[key, value] : store.sectionValues(section))
        masks << value;
    return masks;
}

QStringList masksOrPresets(const SettingsStore &store)
{
    return loadMasks(store).value_or(FileMasks::presets());
}

void saveMasks(SettingsStore &store, const QStringList &masks)
{
    const QString section = QString::fromUtf16(Settings::FileMaskSection);
    store.deleteSection(section);
    for (qsizetype i = 0; i < masks.size(); ++i)
        store.setValue(section, QString::number(i), masks[i]);
}

bool addTypedMask(QStringList &masks, const QString &typed)
{
    if (typed.trimmed().isEmpty() || masks.contains(typed, Qt::CaseSensitive))
        return false;
    masks.prepend(typed);
    return true;
}
} // namespace MaskList

namespace SizeFields
{
QString normalizedMin(const QString &text)
{
    return text.trimmed().isEmpty() || !VbNumeric::isNumeric(text) ? QStringLiteral("10") : text;
}

QString normalizedMax(const QString &text)
{
    return VbNumeric::isNumeric(text) ? text : QString();
}

bool maxAcceptable(const QString &minText, const QString &maxText)
{
    const auto max = VbNumeric::toNumber(maxText);
    if (!max)
        return true;
    const double min = VbNumeric::toNumber(minText).value_or(0);
    return VbNumeric::roundHalfEven(*max) > VbNumeric::roundHalfEven(min);
}
} // namespace SizeFields
