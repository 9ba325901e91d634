// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileOpen.h"

#include "platform/FileDescriptor.h"
#include "platform/NativePath.h"
#include "platform/linux/PosixFiles.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
FileOpen::Result adopt(QFile &file, FileDescriptor fd, QIODevice::OpenMode mode)
{
    if (!file.open(fd.get(), mode, QFileDevice::AutoCloseHandle))
        return {FileOpen::Failure::Other, file.errorString()};
    fd.release(); // the file closes it from now on
    return {};
}

FileOpen::Result openRegular(QFile &file, const QString &path, int flags, FileStatus &status)
{
    // O_NONBLOCK: a FIFO in the file's place must not stall the open; it is refused below.
    FileDescriptor fd(::open(NativePath::encode(path).constData(), flags | O_NONBLOCK));
    if (!fd.valid())
        return FileOpen::systemFailure(errno);
    struct stat st;
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return {FileOpen::Failure::NotAFile, QCoreApplication::translate("FileOpen", "Not a regular file")};
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    status = PosixFiles::statusOf(st);
    return adopt(file, std::move(fd), QIODevice::ReadOnly);
}
} // namespace

namespace FileOpen
{
Result systemFailure(int error)
{
    FileOpen::Failure kind = FileOpen::Failure::Other;
    switch (error)
    {
    case ENOENT:
    case ENOTDIR:
        kind = FileOpen::Failure::NotFound;
        break;
    case EISDIR:
    case ENXIO:
        kind = FileOpen::Failure::NotAFile;
        break;
    case EACCES:
    case EPERM:
    case EROFS:
        kind = FileOpen::Failure::AccessDenied;
        break;
    case ENOSPC:
    case EDQUOT:
        kind = FileOpen::Failure::NoSpace;
        break;
    default:
        break;
    }
    return {kind, QString::fromLocal8Bit(std::strerror(error))};
}

Result forReading(QFile &file, const QString &path)
{
    FileStatus status;
    return openRegular(file, path, O_RDONLY | O_CLOEXEC, status);
}

Result forReadingWithStatus(QFile &file, const QString &path, FileStatus &status)
{
    return openRegular(file, path, O_RDONLY | O_CLOEXEC | O_NOFOLLOW, status);
}
} // namespace FileOpen
