// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileFunctions.h"

#include "platform/NativePath.h"

#include <sys/stat.h>

namespace FileFunctions
{
bool fileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    struct stat st;
    return ::lstat(NativePath::encode(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

bool folderExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    struct stat st;
    return ::stat(NativePath::encode(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}
} // namespace FileFunctions
