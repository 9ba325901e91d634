// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/TypedFolder.h"

#include "platform/FileFunctions.h"

#include <QCoreApplication>

namespace TypedFolder
{
Checked check(const QString &typed, const QString &home)
{
    QString folder = typed.trimmed();
    if (folder == u"~")
        folder = home;
    else if (folder.startsWith(u"~/"))
        folder = home + folder.mid(1);
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    if (!folder.startsWith(u'/'))
        return {{},
                QCoreApplication::translate("TypedFolder",
                                            "\"%1\" is not a full path: type one that starts with \"/\" or \"~\".")
                    .arg(typed.trimmed())};
    if (FileFunctions::folderExists(folder))
        return {folder, {}};
    if (FileFunctions::fileExists(folder))
        return {{}, QCoreApplication::translate("TypedFolder", "\"%1\" is a file, not a folder.").arg(folder)};
    return {{}, QCoreApplication::translate("TypedFolder", "The folder \"%1\" does not exist.").arg(folder)};
}
} // namespace TypedFolder
