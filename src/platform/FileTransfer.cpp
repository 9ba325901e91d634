// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileTransfer.h"

#include "platform/NativePath.h"

namespace FileTransfer
{
QString numberedName(const QString &name, int n, qsizetype maxBytes)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    QString base = dot > 0 ? name.left(dot) : name;
    const QString ext = dot > 0 ? name.mid(dot) : QString();
    const QString number = n >= 2 ? QStringLiteral(" (%1)").arg(n) : QString();
    // A name that no longer fits loses characters at the end of its name part, never within
    // a character.
    while (!base.isEmpty() && NativePath::encode(QString(base + number + ext)).size() > maxBytes)
        base.chop(base.size() >= 2 && base.back().isLowSurrogate() && base[base.size() - 2].isHighSurrogate() ? 2 : 1);
    return base + number + ext;
}
} // namespace FileTransfer
