// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultRow.h"

#include "core/TextFormat.h"
#include "core/VbNumeric.h"
#include "results/LocaleText.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace
{
// The text of slot that a row read from a session kept, or none.
const QString *keptText(const ResultRow &row, std::optional<QString> ResultRowTexts::*slot)
{
    const ResultRowTexts *texts = row.texts();
    if (!texts)
        return nullptr;
    const std::optional<QString> &text = texts->*slot;
    return text ? &*text : nullptr;
}
} // namespace

QString fileExtension(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot < 0 ? QString() : fileName.mid(dot + 1);
}

QString ResultRow::column(int c) const
{
    switch (c)
    {
    case ColName:
        return name();
    case ColSize:
        if (const QString *kept = keptText(*this, &ResultRowTexts::size))
            return *kept;
        return QString::number(size);
    case ColModified:
        if (const QString *kept = keptText(*this, &ResultRowTexts::modified))
            return *kept;
        return stamp > 0 ? TextFormat::dateTextFromStamp(stamp) : QString();
    case ColVersion:
        return version();
    case ColGroup:
        return group > 0 ? QString::number(group) : QStringLiteral("N/A");
    case ColPath:
        return path;
    case ColSortSize:
        if (const QString *kept = keptText(*this, &ResultRowTexts::sortSize))
            return *kept;
        return TextFormat::pad12(size);
    case ColSortDate:
        if (const QString *kept = keptText(*this, &ResultRowTexts::sortDate))
            return *kept;
        return stamp > 0 ? QString::number(stamp).rightJustified(14, u'0') : QString();
    case ColSortGrpno:
        if (const QString *kept = keptText(*this, &ResultRowTexts::sortGrpno))
            return *kept;
        return sortGroup > 0 ? TextFormat::pad11(sortGroup) : QString();
    case ColExt:
        return fileExtension(name());
    default:
        return QString();
    }
}

QString ResultRow::displayText(int c, const QLocale &locale) const
{
    switch (c)
    {
    case ColSize:
        if (const QString *kept = keptText(*this, &ResultRowTexts::size))
            return *kept;
        return LocaleText::bytes(size, locale);
    case ColModified:
        if (const QString *kept = keptText(*this, &ResultRowTexts::modified))
            return *kept;
        return stamp > 0 ? LocaleText::stamp(stamp, locale) : QString();
    case ColVersion:
        // A file without a version resource: the same words as a row without a group.
        return version() == u"N/A" ? QCoreApplication::translate("ResultRow", "N/A") : version();
    case ColGroup:
        //: The group column of a file that belongs to no group (the list of empty files), and the
        //: version column of a file that has no version.
        return group > 0 ? QString::number(group) : QCoreApplication::translate("ResultRow", "N/A");
    default:
        return column(c);
    }
}

void ResultRow::setModified(const QString &text)
{
    const std::optional<qint64> packed = TextFormat::packedStamp(text);
    stamp = packed.value_or(0);
    if (packed && TextFormat::dateTextFromStamp(*packed) == text)
        return;
    auto kept = texts() ? std::make_shared<ResultRowTexts>(*texts()) : std::make_shared<ResultRowTexts>();
    kept->modified = text;
    setTexts(std::move(kept));
}

const QString &ResultRow::version() const
{
    static const QString none;
    return m_extra ? m_extra->version : none;
}

void ResultRow::setVersion(const QString &version)
{
    if (version == this->version())
        return;
    // Most rows of a list have no version: they all share one extra instead of one each.
    static const auto *const notAvailable = new QExplicitlySharedDataPointer<const ResultRowExtra>([] {
        auto *extra = new ResultRowExtra;
        extra->version = QStringLiteral("N/A");
        return extra;
    }());
    if (!texts() && version == u"N/A")
    {
        m_extra = *notAvailable;
        return;
    }
    if (!texts() && version.isEmpty())
    {
        m_extra.reset();
        return;
    }
    auto *extra = new ResultRowExtra;
    extra->version = version;
    extra->texts = m_extra ? m_extra->texts : nullptr;
    m_extra = QExplicitlySharedDataPointer<const ResultRowExtra>(extra);
}

void ResultRow::setTexts(std::shared_ptr<const ResultRowTexts> texts)
{
    auto *extra = new ResultRowExtra;
    extra->version = version();
    extra->texts = std::move(texts);
    m_extra = QExplicitlySharedDataPointer<const ResultRowExtra>(extra);
}

ResultRow ResultRow::fromColumns(const QString &name, const QString &size, const QString &modified,
                                 const QString &version, qint32 group, const QString &path, const QString &sortSize,
                                 const QString &sortDate, const QString &sortGrpno)
{
    ResultRow row;
    row.setName(name);
    row.path = path;
    row.setVersion(version);
    row.group = group;
    // A size no 64-bit count holds (a foreign or damaged text) counts 0; its text is kept below.
    const double bytes = std::fabs(VbNumeric::val(size));
    row.size = bytes < 9223372036854775808.0 ? static_cast<qint64>(bytes) : 0;
    row.stamp = TextFormat::packedStamp(modified).value_or(0);
    const double grp = VbNumeric::val(sortGrpno);
    row.sortGroup = grp >= 1 && grp <= 2147483647.0 ? static_cast<qint32>(grp) : 0;

    // Keep every text the numbers would not write back exactly.
    ResultRowTexts texts;
    bool any = false;
    auto keep = [&any](std::optional<QString> &slot, const QString &text, const QString &made) {
        if (text != made)
        {
            slot = text;
            any = true;
        }
    };
    keep(texts.size, size, row.column(ColSize));
    keep(texts.modified, modified, row.column(ColModified));
    keep(texts.sortSize, sortSize, row.column(ColSortSize));
    keep(texts.sortDate, sortDate, row.column(ColSortDate));
    keep(texts.sortGrpno, sortGrpno, row.column(ColSortGrpno));
    if (any)
        row.setTexts(std::make_shared<const ResultRowTexts>(std::move(texts)));
    return row;
}

bool ResultRow::numbersAreOwn() const
{
    return stamp != 0 && (!texts() || (!texts()->size && !texts()->modified));
}
