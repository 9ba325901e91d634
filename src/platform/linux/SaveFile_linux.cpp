// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SaveFile.h"

#include "platform/NativePath.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

FileOpen::Failure SaveFile::probe(const QString &path)
{
    const QByteArray target = NativePath::encode(path);
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);
    struct stat st;
    if (::stat(folder.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return FileOpen::Failure::NotFound;
    if (::stat(target.constData(), &st) == 0 && S_ISDIR(st.st_mode))
        return FileOpen::Failure::NotAFile;
    struct statvfs vfs;
    if (::statvfs(folder.constData(), &vfs) == 0)
    {
        if (vfs.f_flag & ST_RDONLY)
            return FileOpen::Failure::AccessDenied;
        // No block or no inode left for a user like this one.
        if (vfs.f_bavail == 0 || vfs.f_favail == 0)
            return FileOpen::Failure::NoSpace;
    }
    if (::access(folder.constData(), W_OK) != 0)
        return FileOpen::Failure::AccessDenied;
    if (::access(target.constData(), F_OK) == 0 && ::access(target.constData(), W_OK) != 0)
        return FileOpen::Failure::AccessDenied;
    return FileOpen::Failure::Other;
}
