// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SafeFolders.h"

#include <QList>

#include <cerrno>
#include <climits>
#include <deque>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
constexpr int kMaxLinks = 40; // as many as the kernel follows in one path

// The names of a path, in order; empty names ("//") and "." are dropped.
void pushNames(std::deque<QByteArray> &names, const QByteArray &path)
{
    std::deque<QByteArray> parts;
    for (const QByteArray &part : path.split('/'))
    {
        if (!part.isEmpty() && part != ".")
            parts.push_back(part);
    }
    names.insert(names.begin(), parts.begin(), parts.end());
}

FileDescriptor failed(int error)
{
    errno = error;
    return FileDescriptor();
}

FileDescriptor openRoot()
{
    return FileDescriptor(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
}

// A name the system takes as it stands: a NUL would end it early, so "..\0x" would climb.
bool plainName(const QByteArray &name)
{
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') && !name.contains('\0');
}
} // namespace

namespace SafeFolders
{
bool mayFollow(const struct stat &folder, const struct stat &link)
{
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == folder.st_uid;
}

FileDescriptor openFolderAt(int dirFd, const QByteArray &name, bool create, mode_t mode)
{
    if (!plainName(name))
        return failed(EINVAL);
    if (create && ::mkdirat(dirFd, name.constData(), mode) != 0 && errno != EEXIST)
        return FileDescriptor();
    return FileDescriptor(::openat(dirFd, name.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

FileDescriptor openFolder(const QByteArray &path, bool create, mode_t mode)
{
    if (!path.startsWith('/') || path.contains('\0'))
        return failed(EINVAL);
    std::deque<QByteArray> names;
    pushNames(names, path);
    FileDescriptor dir = openRoot();
    int links = 0;
    while (dir.valid() && !names.empty())
    {
        const QByteArray name = names.front();
        names.pop_front();
        if (name == "..")
        {
            dir = FileDescriptor(::openat(dir.get(), "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
            continue;
        }
        struct stat st;
        if (::fstatat(dir.get(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        {
            if (errno != ENOENT || !create)
                return FileDescriptor();
            dir = openFolderAt(dir.get(), name, true, mode);
            continue;
        }
        if (!S_ISLNK(st.st_mode))
        {
            if (!S_ISDIR(st.st_mode))
                return failed(ENOTDIR);
            dir = openFolderAt(dir.get(), name, false);
            continue;
        }
        struct stat folder;
        if (::fstat(dir.get(), &folder) != 0)
            return FileDescriptor();
        if (!mayFollow(folder, st))
            return failed(EACCES);
        if (++links > kMaxLinks)
            return failed(ELOOP);
        char target[PATH_MAX];
        const ssize_t n = ::readlinkat(dir.get(), name.constData(), target, sizeof target);
        if (n <= 0 || n >= static_cast<ssize_t>(sizeof target))
            return failed(n < 0 ? errno : ENAMETOOLONG);
        const QByteArray text(target, n);
        if (text.startsWith('/'))
            dir = openRoot();
        pushNames(names, text);
    }
    return dir;
}
} // namespace SafeFolders
