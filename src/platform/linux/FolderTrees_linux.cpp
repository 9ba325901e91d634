// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FolderTrees.h"

#include "platform/NativePath.h"
#include "platform/linux/PosixFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
using FolderTrees::Comparison;

FileDescriptor openReadable(int dirFd, const char *name)
{
    return FileDescriptor(::openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

// The names in an open folder, sorted; none when it cannot be listed.
std::optional<std::vector<QByteArray>> namesIn(int dirFd)
{
    const int fd = ::openat(dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    DIR *dir = ::fdopendir(fd);
    if (!dir)
    {
        ::close(fd);
        return std::nullopt;
    }
    std::vector<QByteArray> names;
    errno = 0;
    while (const dirent *entry = ::readdir(dir))
    {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.emplace_back(entry->d_name);
        errno = 0;
    }
    const bool complete = errno == 0;
    ::closedir(dir);
    if (!complete)
        return std::nullopt;
    std::sort(names.begin(), names.end());
    return names;
}

// The folder entered from `parent` must be the one statted there: a swap in between shows.
bool sameIdentity(int fd, const struct stat &expected)
{
    struct stat st;
    return ::fstat(fd, &st) == 0 && st.st_dev == expected.st_dev && st.st_ino == expected.st_ino;
}

bool surveyTree(int dirFd, FolderTrees::Survey &survey)
{
    const std::optional<std::vector<QByteArray>> names = namesIn(dirFd);
    if (!names)
        return false;
    for (const QByteArray &name : *names)
    {
        struct stat st;
        if (::fstatat(dirFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
        if (S_ISREG(st.st_mode))
        {
            ++survey.files;
            survey.bytes += st.st_size;
            continue;
        }
        if (!S_ISDIR(st.st_mode))
        {
            survey.plain = false;
            return true;
        }
        const FileDescriptor sub = openReadable(dirFd, name.constData());
        if (!sub.valid() || !sameIdentity(sub.get(), st) || !surveyTree(sub.get(), survey))
            return false;
        if (!survey.plain)
            return true;
    }
    return true;
}

Comparison fromFiles(AnchoredFiles::Comparison c)
{
    switch (c)
    {
    case AnchoredFiles::Comparison::Same:
        return Comparison::Same;
    case AnchoredFiles::Comparison::Different:
        return Comparison::Different;
    case AnchoredFiles::Comparison::Changed:
        return Comparison::Changed;
    case AnchoredFiles::Comparison::Unreadable:
        break;
    }
    return Comparison::Unreadable;
}

LocatedFile fileIn(int dirFd, const QByteArray &name, const struct stat &st)
{
    LocatedFile f;
    f.folder = FileDescriptor(::fcntl(dirFd, F_DUPFD_CLOEXEC, 0));
    f.name = name;
    f.status = PosixFiles::statusOf(st);
    return f;
}

Comparison compareTrees(int a, int b, const std::function<void()> &pulse)
{
    const std::optional<std::vector<QByteArray>> namesA = namesIn(a);
    const std::optional<std::vector<QByteArray>> namesB = namesIn(b);
    if (!namesA || !namesB)
        return Comparison::Unreadable;
    if (*namesA != *namesB)
        return Comparison::Different;
    for (const QByteArray &name : *namesA)
    {
        struct stat sa;
        struct stat sb;
        if (::fstatat(a, name.constData(), &sa, AT_SYMLINK_NOFOLLOW) != 0 ||
            ::fstatat(b, name.constData(), &sb, AT_SYMLINK_NOFOLLOW) != 0)
            return Comparison::Changed;
        const bool folders = S_ISDIR(sa.st_mode) && S_ISDIR(sb.st_mode);
        if (!folders && !(S_ISREG(sa.st_mode) && S_ISREG(sb.st_mode)))
            return Comparison::Different;
        if (folders)
        {
            const FileDescriptor subA = openReadable(a, name.constData());
            const FileDescriptor subB = openReadable(b, name.constData());
            if (!subA.valid() || !subB.valid() || !sameIdentity(subA.get(), sa) || !sameIdentity(subB.get(), sb))
                return Comparison::Changed;
            if (const Comparison c = compareTrees(subA.get(), subB.get(), pulse); c != Comparison::Same)
                return c;
            continue;
        }
        const LocatedFile fa = fileIn(a, name, sa);
        const LocatedFile fb = fileIn(b, name, sb);
        // A second name of the file, or the file seen through another mount, is no copy of it.
        if (AnchoredFiles::maybeSameFile(fa, fb))
            return Comparison::SameFile;
        if (const Comparison c = fromFiles(AnchoredFiles::compareContents(fa, fb, pulse)); c != Comparison::Same)
            return c;
    }
    return Comparison::Same;
}

// The folder itself, opened for reading, only while it is the folder of its status.
FileDescriptor openAsFound(const FolderTrees::LocatedFolder &folder)
{
    FileDescriptor fd = openReadable(folder.folder.get(), folder.name.constData());
    struct stat st;
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0 || !PosixFiles::folderMatches(st, folder.status, true))
        return FileDescriptor();
    return fd;
}
} // namespace

namespace FolderTrees
{
AnchoredFiles::Location locate(const SearchRoot &root, QStringView relative, const FolderIdentity &parent,
                               const QString &name)
{
    AnchoredFiles::Location location;
    location.found = AnchoredFiles::Found::FolderChanged;
    const auto steps = AnchoredFiles::folderSteps(relative);
    const QByteArray bytes = NativePath::encode(name);
    if (!steps || bytes.isEmpty() || bytes == "." || bytes == ".." || bytes.contains('/'))
        return location;
    FileDescriptor dir = AnchoredFiles::openBelow(root, *steps);
    struct stat st;
    if (!dir.valid() || ::fstat(dir.get(), &st) != 0 ||
        FolderIdentity{static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino)} != parent)
        return location;
    LocatedFile &folder = location.file;
    folder.name = bytes;
    QString folderText = root.folder + relative.toString();
    if (!folderText.endsWith(u'/'))
        folderText += u'/';
    folder.path = folderText + name;
    if (::fstatat(dir.get(), bytes.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
    {
        location.found = errno == ENOENT ? AnchoredFiles::Found::Gone : AnchoredFiles::Found::NotAFile;
        return location;
    }
    folder.status = PosixFiles::statusOf(st);
    folder.folder = std::move(dir);
    location.found = S_ISDIR(st.st_mode) ? AnchoredFiles::Found::File : AnchoredFiles::Found::NotAFile;
    return location;
}

AnchoredFiles::Location locateRoot(const SearchRoot &root)
{
    AnchoredFiles::Location location;
    location.found = AnchoredFiles::Found::FolderChanged;
    const qsizetype cut = root.real.lastIndexOf('/');
    const QByteArray name = cut >= 0 ? root.real.mid(cut + 1) : QByteArray();
    if (!root.valid() || name.isEmpty() || name == "." || name == "..")
        return location;
    const QByteArray parentPath = cut == 0 ? QByteArray("/") : root.real.left(cut);
    FileDescriptor parent(::open(parentPath.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    struct stat st;
    if (!parent.valid() || ::fstatat(parent.get(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
    {
        location.found = errno == ENOENT ? AnchoredFiles::Found::Gone : AnchoredFiles::Found::FolderChanged;
        return location;
    }
    // The name must hold the location's own folder, not whatever took its place since.
    if (!S_ISDIR(st.st_mode) ||
        FolderIdentity{static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino)} != root.id)
        return location;
    LocatedFile &folder = location.file;
    folder.name = name;
    folder.path = NativePath::decode(root.real);
    folder.status = PosixFiles::statusOf(st);
    folder.folder = std::move(parent);
    location.found = AnchoredFiles::Found::File;
    return location;
}

bool unchanged(const LocatedFolder &folder)
{
    return folder.folder.valid() &&
           PosixFiles::folderMatchesAt(folder.folder.get(), folder.name.constData(), folder.status, true);
}

Survey survey(const LocatedFolder &folder)
{
    Survey s;
    const FileDescriptor fd = openAsFound(folder);
    s.plain = true;
    s.readable = fd.valid() && surveyTree(fd.get(), s);
    return s;
}

Comparison compare(const LocatedFolder &a, const LocatedFolder &b, const std::function<void()> &pulse)
{
    const FileDescriptor fa = openAsFound(a);
    const FileDescriptor fb = openAsFound(b);
    if (!fa.valid() || !fb.valid())
        return Comparison::Changed;
    if (a.status.device == b.status.device && a.status.inode == b.status.inode)
        return Comparison::SameFile;
    return compareTrees(fa.get(), fb.get(), pulse);
}
} // namespace FolderTrees
