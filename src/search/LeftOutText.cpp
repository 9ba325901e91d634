// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/LeftOutText.h"

#include "core/VbNumeric.h"
#include "search/SearchLocation.h"

#include <QLocale>
#include <QStringList>

namespace
{
// A limit as the walk applies it: whole kilobytes. Nothing for "no limit".
QString kilobytes(const QString &text, bool zeroIsLimit)
{
    if (text.trimmed().isEmpty())
        return {};
    const auto number = VbNumeric::toNumber(text);
    if (!number)
        return text.trimmed();
    const double whole = VbNumeric::roundHalfEven(*number);
    if (whole <= 0 && !zeroIsLimit)
        return {};
    //: A size limit of a search location, in kilobytes.
    return QCoreApplication::translate("LeftOutText", "%1 KB").arg(QLocale().toString(whole, 'f', 0));
}

void addOnce(QStringList &list, const QString &text)
{
    if (!text.isEmpty() && !list.contains(text))
        list.append(text);
}

QString either(const QStringList &values)
{
    //: Between two values of a limit that differs from folder to folder: "10 KB or 20 KB".
    return values.join(QCoreApplication::translate("LeftOutText", " or "));
}
} // namespace

QString LeftOutText::of(const SearchLocationList &locations, bool includeHidden, bool sizeLimits)
{
    QStringList under;
    QStringList over;
    QStringList masks;
    int withoutSubFolders = 0;
    int excluded = 0;
    for (const SearchLocation &l : locations.rows())
    {
        if (l.excluded())
        {
            ++excluded;
            continue;
        }
        if (sizeLimits)
        {
            addOnce(under, kilobytes(l.minSize, false));
            addOnce(over, kilobytes(l.maxSize, true));
        }
        if (!l.mask.contains(u"*.*"))
            addOnce(masks, QLatin1Char('"') + l.mask + QLatin1Char('"'));
        if (l.subFolders != QLatin1String("Yes"))
            ++withoutSubFolders;
    }

    QStringList parts;
    if (!under.isEmpty())
        parts << tr("files under %1").arg(either(under));
    if (!over.isEmpty())
        parts << tr("files over %1").arg(either(over));
    if (!masks.isEmpty())
        parts << tr("files not matching %1").arg(either(masks));
    if (!includeHidden)
        parts << tr("hidden files");
    if (withoutSubFolders == 1)
        parts << tr("the sub folders of 1 folder");
    else if (withoutSubFolders > 1)
        parts << tr("the sub folders of %1 folders").arg(QLocale().toString(withoutSubFolders));
    if (excluded == 1)
        parts << tr("1 excluded folder");
    else if (excluded > 1)
        parts << tr("%1 excluded folders").arg(QLocale().toString(excluded));
    if (parts.isEmpty())
        return {};

    QString list = parts.takeLast();
    if (!parts.isEmpty())
        //: The last two items of a list: "hidden files and 2 excluded folders".
        list = tr("%1 and %2").arg(parts.join(tr(", ")), list);
    //: What the search locations and options kept out of the scan.
    QString sentence = tr("%1 were left out.").arg(list);
    sentence[0] = sentence[0].toUpper();
    return sentence;
}
