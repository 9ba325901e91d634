// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace
{
// Named after the program, not after the running executable, so that tests and the program find
// the same files.
QString ensured(QStandardPaths::StandardLocation base)
{
    const QString folder = QStandardPaths::writableLocation(base) + QStringLiteral("/Corvina");
    QDir().mkpath(folder);
    return folder;
}
} // namespace

namespace AppFolders
{
QString dataFolder()
{
    return ensured(QStandardPaths::GenericDataLocation);
}

QString defaultSessionPath()
{
    return dataFolder() + QStringLiteral("/default.cvf");
}

QString cacheFolder()
{
    return ensured(QStandardPaths::GenericCacheLocation);
}
} // namespace AppFolders
