// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemFolders.h"

namespace SystemFolders
{
const QStringList &protectedFolders()
{
    static const QStringList folders{
        QStringLiteral("/bin"), QStringLiteral("/boot"),  QStringLiteral("/dev"),   QStringLiteral("/etc"),
        QStringLiteral("/lib"), QStringLiteral("/lib32"), QStringLiteral("/lib64"), QStringLiteral("/proc"),
        QStringLiteral("/run"), QStringLiteral("/sbin"),  QStringLiteral("/snap"),  QStringLiteral("/sys"),
        QStringLiteral("/usr"), QStringLiteral("/var"),
    };
    return folders;
}

bool isProtected(QStringView path)
{
    for (const QString &p : protectedFolders())
    {
        if (path.startsWith(p) && (path.size() == p.size() || path[p.size()] == u'/'))
            return true;
    }
    return false;
}

bool holdsProtected(QStringView folder)
{
    for (const QString &p : protectedFolders())
    {
        if (p.size() > folder.size() && QStringView(p).startsWith(folder))
            return true;
    }
    return false;
}
} // namespace SystemFolders
