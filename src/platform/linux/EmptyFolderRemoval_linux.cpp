// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EmptyFolderRemoval.h"

#include "platform/FileDescriptor.h"
#include "platform/NativePath.h"

#include <algorithm>
#include <cerrno>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace
{
// The names of the folders in relative ("a/b/"), or none when one is "." or "..": a path that
// climbs out again could name a folder outside the location while its text starts inside it.
std::optional<std::vector<QByteArray>> stepsOf(QStringView relative)
{
    std::vector<QByteArray> steps;
    for (const QStringView part : relative.split(u'/', Qt::SkipEmptyParts))
    {
        if (part == u"." || part == u"..")
            return std::nullopt;
        steps.push_back(NativePath::encode(part));
    }
    return steps;
}

FolderIdentity identityOf(const struct stat &st)
{
    return {static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino)};
}
} // namespace

namespace EmptyFolderRemoval
{
Outcome removeIfEmpty(const SearchRoot &root, QStringView relative, const FolderIdentity &expected,
                      const std::vector<SearchRoot> &locations)
{
    const auto steps = stepsOf(relative);
    if (!root.valid() || !steps)
        return Outcome::Changed;
    if (steps->empty())
        return Outcome::SearchLocation;
    FileDescriptor parent(::open(root.real.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    struct stat st;
    if (!parent.valid() || ::fstat(parent.get(), &st) != 0 || identityOf(st) != root.id)
        return Outcome::Changed;
    for (size_t i = 0; i + 1 < steps->size(); ++i)
    {
        FileDescriptor next(
            ::openat(parent.get(), (*steps)[i].constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!next.valid())
            return Outcome::Changed;
        parent = std::move(next);
    }
    if (::fstat(parent.get(), &st) != 0)
        return Outcome::Changed;

    const QByteArray &name = steps->back();
    struct statx sx;
    if (::statx(parent.get(), name.constData(), AT_SYMLINK_NOFOLLOW, STATX_TYPE | STATX_INO, &sx) != 0 ||
        !S_ISDIR(sx.stx_mode))
        return Outcome::Changed;
    const FolderIdentity folder{static_cast<quint64>(makedev(sx.stx_dev_major, sx.stx_dev_minor)), sx.stx_ino};
    if (folder != expected)
        return Outcome::Changed;
    if (std::any_of(locations.begin(), locations.end(), [&](const SearchRoot &l) { return l.id == folder; }))
        return Outcome::SearchLocation;
    // A bind mount of a folder of the same file system keeps the device: the kernel's mark tells.
    const bool mountRoot =
        (sx.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) && (sx.stx_attributes & STATX_ATTR_MOUNT_ROOT);
    if (mountRoot || folder.device != identityOf(st).device)
        return Outcome::MountPoint;
    if (::unlinkat(parent.get(), name.constData(), AT_REMOVEDIR) == 0)
        return Outcome::Removed;
    return errno == ENOTEMPTY || errno == EEXIST ? Outcome::NotEmpty : Outcome::Failed;
}
} // namespace EmptyFolderRemoval
