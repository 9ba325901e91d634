// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileErrors.h"

namespace
{
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
        return forWriting ? error(PathNotFound, QStringLiteral("Path not found"))
                          : error(FileNotFound, QStringLiteral("File not found"));
    case FileOpen::Failure::AccessDenied:
        return error(PermissionDenied, withDetail(QStringLiteral("Permission denied"), result.text));
    case FileOpen::Failure::NoSpace:
        return error(DiskFull, QStringLiteral("Disk full"));
    case FileOpen::Failure::None:
    case FileOpen::Failure::NotAFile:
    case FileOpen::Failure::Other:
        break;
    }
    return error(PathFileAccess, withDetail(QStringLiteral("Path/File access error"), result.text));
}

void raiseOpenFailure(const FileOpen::Result &result, bool forWriting)
{
    throw openFailure(result, forWriting);
}

void raiseIoFailure(const QString &text)
{
    throw error(DeviceIo, withDetail(QStringLiteral("Device I/O error"), text));
}
} // namespace FileErrors
