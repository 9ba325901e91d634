// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FolderTrees.h"

#include "platform/NativePath.h"
#include "platform/SafeFolders.h"
#include "platform/linux/PosixFiles.h"

#include <QHash>
#include <QRandomGenerator>
#include <QSet>

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

bool surveyTree(int dirFd, const QByteArray &prefix, FolderTrees::Survey &survey)
{
    const std::optional<std::vector<QByteArray>> names = namesIn(dirFd);
    if (!names)
        return false;
    for (const QByteArray &name : *names)
    {
        struct stat st;
        if (::fstatat(dirFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
        const bool folder = S_ISDIR(st.st_mode);
        if (!folder && !S_ISREG(st.st_mode))
        {
            survey.plain = false;
            return true;
        }
        const QByteArray relative = prefix + name;
        survey.entries.push_back({relative, PosixFiles::statusOf(st), folder});
        if (!folder)
        {
            ++survey.files;
            survey.bytes += st.st_size;
            continue;
        }
        const FileDescriptor sub = openReadable(dirFd, name.constData());
        if (!sub.valid() || !sameIdentity(sub.get(), st) || !surveyTree(sub.get(), relative + '/', survey))
            return false;
        if (!survey.plain)
            return true;
    }
    return true;
}

// The same entry, untouched since: a write, a rename, a new owner or mode shows in the status
// change time, an entry added or removed in a folder in its modification time.
bool sameEntry(const FolderTrees::Entry &a, const FolderTrees::Entry &b)
{
    return a.relative == b.relative && a.folder == b.folder && a.status.device == b.status.device &&
           a.status.inode == b.status.inode && a.status.size == b.status.size && a.status.mtimeNs == b.status.mtimeNs &&
           a.status.ctimeNs == b.status.ctimeNs;
}

// True while the open folder's tree is entry for entry the one seen.
bool stillAsSeen(int dirFd, const FolderTrees::Survey &seen)
{
    FolderTrees::Survey now;
    now.plain = true;
    return surveyTree(dirFd, QByteArray(), now) && now.plain &&
           std::equal(now.entries.begin(), now.entries.end(), seen.entries.begin(), seen.entries.end(), sameEntry);
}

using SeenEntries = QHash<QByteArray, const FolderTrees::Entry *>;

SeenEntries byPath(const FolderTrees::Survey &seen)
{
    SeenEntries entries;
    entries.reserve(static_cast<qsizetype>(seen.entries.size()));
    for (const FolderTrees::Entry &e : seen.entries)
        entries.insert(e.relative, &e);
    return entries;
}

FileOpResult changed()
{
    return FileOpResult::failure(FileOpError::Changed);
}

// Empties the open folder, deepest entries first; each entry must be one seen.
FileOpResult emptyTree(int dirFd, const QByteArray &prefix, const SeenEntries &seen)
{
    const std::optional<std::vector<QByteArray>> names = namesIn(dirFd);
    if (!names)
        return FileOpResult::failure(FileOpError::System, errno);
    for (const QByteArray &name : *names)
    {
        const FolderTrees::Entry *expected = seen.value(prefix + name);
        struct stat st;
        if (!expected || ::fstatat(dirFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            S_ISDIR(st.st_mode) != expected->folder || static_cast<quint64>(st.st_ino) != expected->status.inode)
            return changed();
        if (!expected->folder)
        {
            if (PosixFiles::statusOf(st).ctimeNs != expected->status.ctimeNs)
                return changed();
            if (const FileOpResult r = PosixFiles::unlinkExpected(dirFd, name.constData(), expected->status); !r.ok())
                return r;
            continue;
        }
        const FileDescriptor sub = openReadable(dirFd, name.constData());
        if (!sub.valid() || !sameIdentity(sub.get(), st))
            return changed();
        if (const FileOpResult r = emptyTree(sub.get(), expected->relative + '/', seen); !r.ok())
            return r;
        if (::unlinkat(dirFd, name.constData(), AT_REMOVEDIR) != 0)
            return errno == ENOTEMPTY || errno == EEXIST ? changed()
                                                         : FileOpResult::failure(FileOpError::System, errno);
    }
    return FileOpResult::success(QString());
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

// The regular file at an absolute path, its folders entered as SafeFolders::openFolder does and
// the file itself not a link; none otherwise.
std::optional<LocatedFile> fileAt(const QString &path)
{
    const QByteArray bytes = NativePath::encode(path);
    const QByteArray name = PosixFiles::nameOf(bytes);
    FileDescriptor dir = SafeFolders::openFolder(PosixFiles::folderOf(bytes));
    struct stat st;
    if (!path.startsWith(u'/') || name.isEmpty() || !dir.valid() ||
        ::fstatat(dir.get(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    LocatedFile f;
    f.folder = std::move(dir);
    f.name = name;
    f.path = path;
    f.status = PosixFiles::statusOf(st);
    return f;
}

using OwnFiles = QSet<FolderIdentity>;

Comparison compareOutside(int dirFd, const QString &prefix, const OwnFiles &own,
                          const std::function<QString(const QString &)> &copyOf, const std::function<void()> &pulse)
{
    const std::optional<std::vector<QByteArray>> names = namesIn(dirFd);
    if (!names)
        return Comparison::Unreadable;
    for (const QByteArray &name : *names)
    {
        const QString relative = prefix + NativePath::decode(name);
        struct stat st;
        if (::fstatat(dirFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            return Comparison::Changed;
        if (S_ISDIR(st.st_mode))
        {
            const FileDescriptor sub = openReadable(dirFd, name.constData());
            if (!sub.valid() || !sameIdentity(sub.get(), st))
                return Comparison::Changed;
            if (const Comparison c = compareOutside(sub.get(), relative + u'/', own, copyOf, pulse);
                c != Comparison::Same)
                return c;
            continue;
        }
        if (!S_ISREG(st.st_mode))
            return Comparison::Different;
        const QString copyPath = copyOf(relative);
        const std::optional<LocatedFile> copy = copyPath.isEmpty() ? std::nullopt : fileAt(copyPath);
        if (!copy)
            return Comparison::Different;
        const LocatedFile file = fileIn(dirFd, name, st);
        // A copy that is one of the folder's own files goes with it.
        if (own.contains(FolderIdentity{copy->status.device, copy->status.inode}) ||
            AnchoredFiles::maybeSameFile(file, *copy))
            return Comparison::SameFile;
        if (const Comparison c = fromFiles(AnchoredFiles::compareContents(file, *copy, pulse)); c != Comparison::Same)
            return c;
    }
    return Comparison::Same;
}

// For calls whose failure is acceptable: the result is looked at and let go.
void bestEffort(int) {}

// A folder of the copy gets the owner (where allowed), permissions and times of its source.
void keepLooks(int fd, const struct stat &st)
{
    bestEffort(::fchown(fd, st.st_uid, st.st_gid));
    bestEffort(::fchmod(fd, st.st_mode & 07777));
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    bestEffort(::futimens(fd, times));
}

// Copies the open folder's tree into the open, empty folder `to`: each file only while it is the
// file seen, flushed, read back and compared; each folder gets its looks after its entries.
FileOpResult copyTree(int from, int to, const QByteArray &prefix, const SeenEntries &seen,
                      const std::function<void()> &pulse)
{
    const std::optional<std::vector<QByteArray>> names = namesIn(from);
    if (!names)
        return FileOpResult::failure(FileOpError::System, errno);
    for (const QByteArray &name : *names)
    {
        const FolderTrees::Entry *expected = seen.value(prefix + name);
        struct stat st;
        if (!expected || ::fstatat(from, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !sameEntry({expected->relative, PosixFiles::statusOf(st), S_ISDIR(st.st_mode)}, *expected))
            return changed();
        if (!expected->folder)
        {
            const FileDescriptor in(PosixFiles::openRegularAt(from, name.constData()));
            if (!in.valid())
                return FileOpResult::failure(FileOpError::System, errno);
            struct stat opened;
            if (::fstat(in.get(), &opened) != 0 || !PosixFiles::matches(opened, expected->status))
                return changed();
            PosixFiles::StagedCopy copy;
            if (const FileOpResult made = copy.make(in.get(), to, true, pulse); !made.ok())
                return made;
            if (const int e = copy.place(name.constData()); e != 0)
                return FileOpResult::failure(FileOpError::System, e);
            continue;
        }
        if (::mkdirat(to, name.constData(), S_IRWXU) != 0)
            return FileOpResult::failure(FileOpError::System, errno);
        const FileDescriptor sub = openReadable(from, name.constData());
        const FileDescriptor subCopy = openReadable(to, name.constData());
        if (!sub.valid() || !sameIdentity(sub.get(), st) || !subCopy.valid())
            return changed();
        if (const FileOpResult r = copyTree(sub.get(), subCopy.get(), expected->relative + '/', seen, pulse); !r.ok())
            return r;
        keepLooks(subCopy.get(), st);
    }
    return FileOpResult::success(QString());
}

// Removes everything in a folder Corvina made and nobody else may enter.
void discardTree(int dirFd)
{
    for (const QByteArray &name : namesIn(dirFd).value_or(std::vector<QByteArray>()))
    {
        if (::unlinkat(dirFd, name.constData(), 0) == 0)
            continue;
        if (const FileDescriptor sub = openReadable(dirFd, name.constData()); sub.valid())
            discardTree(sub.get());
        ::unlinkat(dirFd, name.constData(), AT_REMOVEDIR);
    }
}

QByteArray numbered(const QByteArray &name, int n)
{
    return NativePath::encode(FileTransfer::numberedName(NativePath::decode(name), n));
}

constexpr int kMaxNumber = 9999;

// The folder itself, opened for reading, only while it is the folder of its status.
FileDescriptor openAsFound(const FolderTrees::LocatedFolder &folder)
{
    FileDescriptor fd = openReadable(folder.folder.get(), folder.name.constData());
    struct stat st;
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0 || !PosixFiles::folderMatches(st, folder.status, true))
        return FileDescriptor();
    return fd;
}

// A move to another file system: the verified copy is named, from the numbered name `first` on,
// only while the folder is still as seen, and then the folder goes.
FileOpResult moveByCopy(const FolderTrees::LocatedFolder &folder, const FolderTrees::Survey &seen, int dest,
                        const FileTransfer::Destination &destination, int first, const std::function<void()> &pulse)
{
    const FileDescriptor from = openAsFound(folder);
    struct stat top;
    if (!from.valid() || ::fstat(from.get(), &top) != 0)
        return changed();
    const QByteArray staging =
        ".corvina-part-" + QByteArray::number(static_cast<qulonglong>(QRandomGenerator::system()->generate64()), 16);
    if (::mkdirat(dest, staging.constData(), S_IRWXU) != 0)
        return FileOpResult::failure(FileOpError::System, errno);
    const FileDescriptor copy = openReadable(dest, staging.constData());
    const auto giveUp = [&](const FileOpResult &why) {
        if (copy.valid())
            discardTree(copy.get());
        ::unlinkat(dest, staging.constData(), AT_REMOVEDIR);
        return why;
    };
    if (!copy.valid())
        return giveUp(FileOpResult::failure(FileOpError::System, errno));
    if (const FileOpResult r = copyTree(from.get(), copy.get(), QByteArray(), byPath(seen), pulse); !r.ok())
        return giveUp(r);
    keepLooks(copy.get(), top);
    // A copy of anything but the folder proved is never named.
    if (!stillAsSeen(from.get(), seen))
        return giveUp(changed());
    for (int n = first; n <= kMaxNumber; ++n)
    {
        const QByteArray to = numbered(folder.name, n);
        const int e = PosixFiles::renameNoReplaceAt(dest, staging.constData(), dest, to.constData());
        if (e == EEXIST)
            continue;
        if (e != 0)
            return giveUp(FileOpResult::failure(FileOpError::System, e));
        PosixFiles::syncFolder(dest);
        // When the folder changed in between, the copy stays beside what is left of it.
        if (const FileOpResult removed = FolderTrees::removeTree(folder, seen); !removed.ok())
            return removed;
        return FileOpResult::success(FileTransfer::pathIn(destination, to));
    }
    return giveUp(FileOpResult::failure(FileOpError::NoFreeName));
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
    s.readable = fd.valid() && surveyTree(fd.get(), QByteArray(), s);
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

Comparison compareWithCopies(const LocatedFolder &folder, const Survey &seen,
                             const std::function<QString(const QString &relative)> &copyOf,
                             const std::function<void()> &pulse)
{
    const FileDescriptor fd = openAsFound(folder);
    if (!fd.valid())
        return Comparison::Changed;
    OwnFiles own;
    for (const Entry &e : seen.entries)
        own.insert(FolderIdentity{e.status.device, e.status.inode});
    return compareOutside(fd.get(), QString(), own, copyOf, pulse);
}

FileOpResult removeTree(const LocatedFolder &folder, const Survey &seen)
{
    const FileDescriptor fd = openAsFound(folder);
    if (!fd.valid() || !stillAsSeen(fd.get(), seen))
        return changed();
    if (const FileOpResult r = emptyTree(fd.get(), QByteArray(), byPath(seen)); !r.ok())
        return r;
    // The emptied folder itself, while its name still holds it.
    const int parent = folder.folder.get();
    if (!PosixFiles::folderMatchesAt(parent, folder.name.constData(), folder.status, false))
        return changed();
    if (::unlinkat(parent, folder.name.constData(), AT_REMOVEDIR) != 0)
        return errno == ENOTEMPTY || errno == EEXIST ? changed() : FileOpResult::failure(FileOpError::System, errno);
    return FileOpResult::success(QString());
}

FileOpResult moveTree(const LocatedFolder &folder, const Survey &seen, const FileTransfer::Destination &destination,
                      const std::function<void()> &pulse)
{
    if (!destination.folder.startsWith(u'/'))
        return FileOpResult::failure(FileOpError::NotAbsolute);
    const int parent = folder.folder.get();
    const char *from = folder.name.constData();
    if (!PosixFiles::folderMatchesAt(parent, from, folder.status, true))
        return changed();
    const FileDescriptor dest = FileTransfer::openDestination(destination);
    if (!dest.valid())
        return FileOpResult::failure(FileOpError::System, errno);
    struct stat destSt;
    if (::fstat(dest.get(), &destSt) == 0 && sameIdentity(parent, destSt))
        return FileOpResult::failure(FileOpError::SameFolder);
    for (int n = 1; n <= kMaxNumber; ++n)
    {
        const QByteArray to = numbered(folder.name, n);
        const int e = PosixFiles::renameNoReplaceAt(parent, from, dest.get(), to.constData());
        if (e == EEXIST)
            continue;
        if (e == EXDEV)
            return moveByCopy(folder, seen, dest.get(), destination, n, pulse);
        if (e != 0)
            return FileOpResult::failure(FileOpError::System, e);
        // The name was checked just before; make sure the folder that went is the one found.
        if (PosixFiles::folderMatchesAt(dest.get(), to.constData(), folder.status, false))
            return FileOpResult::success(FileTransfer::pathIn(destination, to));
        PosixFiles::renameNoReplaceAt(dest.get(), to.constData(), parent, from);
        return changed();
    }
    return FileOpResult::failure(FileOpError::NoFreeName);
}
} // namespace FolderTrees
