// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessions/OutputPath.h"

#include "core/Prompter.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace OutputPath
{
QString withExtension(const QString &path, const QString &extension, const QStringList &others)
{
    if (path.isEmpty() || path.endsWith(u'/'))
        return path;
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot <= nameStart)
        return path + extension;
    const QString current = path.mid(dot);
    for (const QString &other : others)
    {
        if (current.compare(other, Qt::CaseInsensitive) == 0)
            return path.left(dot) + extension;
    }
    return path;
}

bool mayReplace(Prompter &prompter, const QString &path, const QString &confirmed)
{
    if (path == confirmed || !QFileInfo::exists(path))
        return true;
    return prompter.confirm(
        QCoreApplication::translate("OutputPath", "Confirm"),
        QCoreApplication::translate("OutputPath", "\"%1\" already exists.\r\nDo you want to replace it?").arg(path),
        PromptIcon::Exclamation);
}
} // namespace OutputPath
