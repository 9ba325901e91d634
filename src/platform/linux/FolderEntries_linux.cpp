// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FolderEntries.h"

#include "platform/NativePath.h"

#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace FolderEntries
{
bool forEach(const QString &folder, const std::function<bool(const Entry &)> &visit)
{
    const QByteArray path = NativePath::encode(folder);
    DIR *dir = ::opendir(path.constData());
    if (!dir)
        return false;
    while (const struct dirent *e = ::readdir(dir))
    {
        if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0)
            continue;
        bool isFolder = e->d_type == DT_DIR;
        if (e->d_type == DT_UNKNOWN)
        {
            struct stat st;
            isFolder = ::fstatat(::dirfd(dir), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
        }
        if (!visit({NativePath::decode(e->d_name, static_cast<qsizetype>(std::strlen(e->d_name))), isFolder}))
            break;
    }
    ::closedir(dir);
    return true;
}
} // namespace FolderEntries
