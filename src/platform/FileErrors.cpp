// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileErrors.h"

#include <QCoreApplication>

namespace
{
// The texts of this file for translators: descriptions of failures, as error reports show them.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(FileErrors)
};

RaisedError error(qint32 number, const QString &description)
{
    return RaisedError(number, QStringLiteral("Corvina"), description);
}

QString withDetail(const QString &words, const QString &detail)
{
    if (detail.isEmpty() || detail.compare(words, Qt::CaseInsensitive) == 0)
        return words;
    return words + QStringLiteral(" (") + detail + u')';
}
} // namespace

namespace FileErrors
{
RaisedError openFailure(const FileOpen::Result &result, bool forWriting)
{
    switch (result.failure)
    {
    case FileOpen::Failure::NotFound:
        return forWriting ? error(PathNotFound, Tr::tr("Path not found"))
                          : error(FileNotFound, Tr::tr("File not found"));
    case FileOpen::Failure::AccessDenied:
        return error(PermissionDenied, withDetail(Tr::tr("Permission denied"), result.text));
    case FileOpen::Failure::NoSpace:
        return error(DiskFull, Tr::tr("Disk full"));
    case FileOpen::Failure::None:
    case FileOpen::Failure::NotAFile:
    case FileOpen::Failure::Other:
        break;
    }
    return error(PathFileAccess, withDetail(Tr::tr("Path/File access error"), result.text));
}

void raiseOpenFailure(const FileOpen::Result &result, bool forWriting)
{
    throw openFailure(result, forWriting);
}

void raiseIoFailure(const QString &text)
{
    throw error(DeviceIo, withDetail(Tr::tr("Device I/O error"), text));
}
} // namespace FileErrors
