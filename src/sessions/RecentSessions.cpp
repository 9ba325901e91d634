// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessions/RecentSessions.h"

#include <QDir>
#include <QFileInfo>

namespace
{
// "./a.cvf" and "/home/sam/a.cvf" are one file; links are left as they are, as the user named them.
QString clean(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}
} // namespace

namespace RecentSessions
{
QStringList withLatest(const QStringList &recent, const QString &path)
{
    if (path.isEmpty())
        return recent;
    QStringList list{clean(path)};
    for (const QString &earlier : recent)
    {
        if (list.size() == Kept)
            break;
        if (!earlier.isEmpty() && !list.contains(clean(earlier)))
            list << clean(earlier);
    }
    return list;
}

QStringList without(const QStringList &recent, const QString &path)
{
    QStringList list;
    for (const QString &earlier : recent)
    {
        if (clean(earlier) != clean(path))
            list << earlier;
    }
    return list;
}
} // namespace RecentSessions
