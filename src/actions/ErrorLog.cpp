// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/ErrorLog.h"

#include "core/TextFormat.h"
#include "platform/FileErrors.h"
#include "platform/NativePath.h"
#include "platform/SaveFile.h"

#include <QCoreApplication>

namespace ErrorLog
{
QString defaultName(const QDate &today)
{
    //: The file name the save dialog proposes for the error log; %1 is the date as dd-mm-yyyy.
    return QCoreApplication::translate("ErrorLog", "Error %1").arg(today.toString(QStringLiteral("dd-MM-yyyy")));
}

QByteArray text(const std::vector<ActionError> &errors, const QDateTime &now)
{
    // The log has one layout whatever the user's language, as the exports do: its lines and the
    // descriptions of its rows stay in English.
    const QString rule(51, u'-');
    QStringList lines{rule,
                      QStringLiteral("Corvina Deletion Error Log File."),
                      QStringLiteral("Created at : ") + TextFormat::logDateText(now),
                      rule,
                      QStringLiteral(" "),
                      QStringLiteral("Error No, Description, File Name"),
                      rule};
    for (const ActionError &e : errors)
    {
        const QString english = ActionError::englishDescription(e.number);
        lines << e.number + QStringLiteral(", ") + (english.isEmpty() ? e.description : english) +
                     QStringLiteral(", ") + e.fileName;
    }
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
