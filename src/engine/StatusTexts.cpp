// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/StatusTexts.h"

#include "core/TextFormat.h"

#include <QCoreApplication>

namespace StatusTexts
{
QString activity(bool cancelled)
{
    return cancelled ? QCoreApplication::translate("StatusTexts", "Search Terminated.")
                     : QCoreApplication::translate("StatusTexts", "Search Completed.");
}

QString duplicates(qint32 count, qint64 bytes)
{
    return QStringLiteral("Duplicate Files: ") + QString::number(count) + QStringLiteral("  Size: ") +
           TextFormat::sizeText(static_cast<double>(bytes));
}

QString files(qint32 count)
{
    return QStringLiteral("Files : ") + QString::number(count);
}

QString folders(qint32 count)
{
    return QStringLiteral("Folders : ") + QString::number(count);
}
} // namespace StatusTexts
