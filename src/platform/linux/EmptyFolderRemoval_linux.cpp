// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EmptyFolderRemoval.h"

#include "platform/FileDescriptor.h"

#include <algorithm>
#include <cerrno>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace EmptyFolderRemoval
{
Outcome removeIfEmpty(const SearchRoot &root, QStringView relative, const FolderIdentity &expected,
                      const std::vector<SearchRoot> &locations)
{
    auto steps = AnchoredFiles::folderSteps(relative);
    if (!root.valid() || !steps)
        return Outcome::Changed;
    if (steps->empty())
        return Outcome::SearchLocation;
    const QByteArray name = steps->back();
    steps->pop_back();
    const FileDescriptor parent = AnchoredFiles::openBelow(root, *steps);
    struct stat st;
    if (!parent.valid() || ::fstat(parent.get(), &st) != 0)
        return Outcome::Changed;

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
    if (mountRoot || folder.device != static_cast<quint64>(st.st_dev))
        return Outcome::MountPoint;
    if (::unlinkat(parent.get(), name.constData(), AT_REMOVEDIR) == 0)
        return Outcome::Removed;
    return errno == ENOTEMPTY || errno == EEXIST ? Outcome::NotEmpty : Outcome::Failed;
}
} // namespace EmptyFolderRemoval
