// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/ActionSummary.h"

#include "actions/ActionDriver.h"
#include "core/ShownSize.h"
#include "platform/FileFunctions.h"
#include "results/LocaleText.h"
#include "results/ResultModel.h"

#include <QLocale>

QString ActionSummary::filesAndBytes(qint64 files, qint64 bytes, bool exactBytes, bool folders)
{
    const QLocale locale;
    // One text per number: no plural forms are loaded for English.
    //: How many files an act takes; %1 is the number as the locale writes it.
    QString count = (files == 1 ? tr("%1 file") : tr("%1 files")).arg(LocaleText::bytes(files, locale));
    if (folders)
        //: How many whole folders an act takes; %1 is the number as the locale writes it.
        count = (files == 1 ? tr("%1 folder") : tr("%1 folders")).arg(LocaleText::bytes(files, locale));
    QString size = ShownSize::text(static_cast<double>(bytes));
    // Below a kilobyte the shown size is already the exact count.
    if (exactBytes && bytes >= 1024)
        //: A rounded size followed by its exact count of bytes.
        size = tr("%1 (%2 bytes)").arg(size, LocaleText::bytes(bytes, locale));
    //: The number of files, then their size.
    return tr("%1, %2").arg(count, size);
}

ActionSummary::Tally ActionSummary::goneFiles(const ResultModel &model)
{
    Tally tally;
    tally.folders = model.isFolderList();
    for (const ResultRow &row : model.rows())
    {
        if (!row.marked)
            continue;
        // The test by which the list drops the row afterwards.
        if (ActionDriver::rowStillThere(model, row))
        {
            ++tally.refused;
            continue;
        }
        ++tally.files;
        tally.bytes += row.size;
    }
    return tally;
}

QString ActionSummary::willHappen(const Plan &plan)
{
    const QString what = filesAndBytes(plan.files, plan.bytes, true, plan.folders);
    QString text;
    switch (plan.act)
    {
    case Act::Trash:
        text = tr("%1 will be moved to the trash.").arg(what);
        break;
    case Act::DeletePermanently:
        text = tr("%1 will be deleted for good: they will not go to the trash.").arg(what);
        break;
    case Act::Move:
        text = plan.destination.trimmed().isEmpty()
                   ? tr("%1 will be moved once a destination folder is given.").arg(what)
                   : tr("%1 will be moved to \"%2\".").arg(what, plan.destination);
        break;
    case Act::Copy:
        text = plan.destination.trimmed().isEmpty()
                   ? tr("%1 will be copied once a destination folder is given.").arg(what)
                   : tr("%1 will be copied to \"%2\".").arg(what, plan.destination);
        break;
    case Act::HardLink:
        return tr("%1 will be replaced with hard links to their kept copies. No folder will be removed.").arg(what);
    case Act::Clone:
        return tr("%1 will be replaced with clones of their kept copies. No folder will be removed.").arg(what);
    }
    if (plan.act == Act::Copy)
        return text + QLatin1Char(' ') + tr("No folder will be removed.");
    // A whole folder goes with everything in it: no folder is left empty.
    if (plan.folders)
        return text;
    return text + QLatin1Char(' ') +
           (plan.removeEmptyFolders ? tr("Folders left empty will be removed.") : tr("Folders left empty will stay."));
}

QString ActionSummary::done(Act act, const Tally &tally, const QString &destination)
{
    const QString what = filesAndBytes(tally.files, tally.bytes, false, tally.folders);
    QString text;
    switch (act)
    {
    case Act::Trash:
        text = tr("%1 moved to the trash").arg(what);
        break;
    case Act::DeletePermanently:
        text = tr("%1 deleted for good").arg(what);
        break;
    case Act::Move:
        text = tr("%1 moved to \"%2\"").arg(what, destination);
        break;
    case Act::Copy:
        text = tr("%1 copied to \"%2\"").arg(what, destination);
        break;
    case Act::HardLink:
        text = tr("%1 replaced with hard links").arg(what);
        break;
    case Act::Clone:
        text = tr("%1 replaced with clones").arg(what);
        break;
    }
    if (tally.refused > 0)
        //: After an act: what was done; %2 is how many marked files were refused and stay.
        text = tr("%1; %2 refused").arg(text, LocaleText::bytes(tally.refused, QLocale()));
    return text;
}
