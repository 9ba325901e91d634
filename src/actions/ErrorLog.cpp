#include "actions/ErrorLog.h"

#include "core/TextFormat.h"
#include "platform/NativePath.h"

#include <QSaveFile>

namespace ErrorLog
{
QString DefaultName(const QDate &today)
{
    return QStringLiteral("Error ") + today.toString(QStringLiteral("dd-MM-yyyy"));
}

QByteArray Text(const std::vector<ActionError> &errors, const QDateTime &now)
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

bool Save(const QString &path, const std::vector<ActionError> &errors, const QDateTime &now)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(Text(errors, now));
    return file.commit();
}
} // namespace ErrorLog
