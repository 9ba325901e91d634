// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppFolders.h"

#include "platform/NativePath.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace
{
// The base folder of a kind: the variable when it holds a full path (the XDG rule: a relative
// one is ignored), else the folder below the home folder; with where it starts, which Corvina
// never creates.
struct Base
{
    QString path;
    QString mustExist;
};

Base base(const char *variable, const char *belowHome)
{
    const QString value = NativePath::decode(qgetenv(variable));
    if (value.startsWith(u'/'))
        return {value, QStringLiteral("/")};
    const QString home = AppFolders::homeFolder();
    if (home.isEmpty())
        return {};
    return {home + u'/' + QLatin1String(belowHome), home};
}

// Why there is no place for a kind of folder: no home folder, or one that is not there
// ("/nonexistent"), which Corvina never makes.
QString problemOf(const Base &where)
{
    if (where.path.isEmpty())
        return QCoreApplication::translate("AppFolders", "cannot find your home folder: %1")
            .arg(AppFolders::homeProblem());
    if (!QFileInfo(where.mustExist).isDir())
        return QCoreApplication::translate("AppFolders", "cannot find your home folder: \"%1\" does not exist")
            .arg(where.mustExist);
    return {};
}

// Named after the program, not after the running executable, so that tests and the program find
// the same files. A folder that cannot be made is still named, so that the write into it fails
// and says why.
QString ensured(const Base &where)
{
    if (where.path.isEmpty())
        return {};
    const QString folder = where.path + QStringLiteral("/Corvina");
    AppFolders::makePrivateFolder(folder, where.mustExist);
    return folder;
}
} // namespace

namespace AppFolders
{
QString configHome()
{
    return base("XDG_CONFIG_HOME", ".config").path;
}

QString dataHome()
{
    return base("XDG_DATA_HOME", ".local/share").path;
}

QString configFolder()
{
    return ensured(base("XDG_CONFIG_HOME", ".config"));
}

QString dataFolder()
{
    return ensured(base("XDG_DATA_HOME", ".local/share"));
}

QString defaultSessionPath()
{
    const QString folder = dataFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/default.cvf");
}

QString cacheFolder()
{
    return ensured(base("XDG_CACHE_HOME", ".cache"));
}

QString dataHomeProblem()
{
    return problemOf(base("XDG_DATA_HOME", ".local/share"));
}

QString ownFoldersProblem()
{
    for (const Base &where :
         {base("XDG_CONFIG_HOME", ".config"), base("XDG_DATA_HOME", ".local/share"), base("XDG_CACHE_HOME", ".cache")})
    {
        if (const QString problem = problemOf(where); !problem.isEmpty())
            return problem;
    }
    return {};
}
} // namespace AppFolders
