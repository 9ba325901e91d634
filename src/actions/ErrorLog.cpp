// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/ErrorLog.h"

#include "core/TextFormat.h"
#include "platform/FileErrors.h"
#include "platform/NativePath.h"
#include "platform/SaveFile.h"

namespace ErrorLog
{
QString defaultName(const QDate &today)
{
    return QStringLiteral("Error ") + today.toString(QStringLiteral("dd-MM-yyyy"));
}

QByteArray text(const std::vector<ActionError> &errors, const QDateTime &now)
{
    const QString rule(51, u'-');
    QStringList lines{rule,
                      QStringLiteral("Corvina Deletion Error Log File."),
                      QStringLiteral("Created at : ") + TextFormat::logDateText(now),
                      rule,
                      QStringLiteral(" "),
                      QStringLiteral("Error No, Description, File Name"),
                      rule};
    for (const ActionError &e : errors)
        lines << e.number + QStringLiteral(", ") + e.description + QStringLiteral(", ") + e.fileName;
    QByteArray text;
    for (const QString &line : lines)
        text += NativePath::encode(line) + "\r\n"; // file names keep their exact bytes
    return text;
}

bool save(const QString &path, const std::vector<ActionError> &errors, const QDateTime &now, QString *failure)
{
    SaveFile file(path);
    FileOpen::Result result = file.open();
    if (result.ok())
        result = file.write(text(errors, now));
    if (result.ok())
        result = file.commit();
    if (result.ok())
        return true;
    if (failure)
    {
        const RaisedError e = FileErrors::openFailure(result, true);
        *failure = QString::number(e.number()) + u' ' + e.description();
    }
    return false;
}
} // namespace ErrorLog
