// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/MaskList.h"

#include "core/VbNumeric.h"
#include "platform/Settings.h"
#include "search/FileMasks.h"

namespace MaskList
{
QStringList masksOrPresets(const Settings &settings)
{
    const QStringList masks = settings.fileMasks();
    return masks.isEmpty() ? FileMasks::presets() : masks;
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
