// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Trash.h"

#include "platform/AppFolders.h"
#include "platform/FileTransfer.h"
#include "platform/NativePath.h"
#include "platform/linux/PosixFiles.h"

#include <QLoggingCategory>

#include <cerrno>
#include <climits>
#include <ctime>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// Which trash took a file and why another was passed over; quiet unless asked for
// (QT_LOGGING_RULES="corvina.trash.info=true").
Q_LOGGING_CATEGORY(lcTrash, "corvina.trash", QtWarningMsg)

constexpr int kMaxNumber = 9999;
const QByteArray kInfoSuffix(".trashinfo");

FileOpResult systemFailure(int number)
{
    return FileOpResult::failure(FileOpError::System, number);
}

// Empty without a home folder: then there is no home trash, rather than one made in "/".
QByteArray homeTrashBytes(const QString &override)
{
    if (!override.isEmpty())
        return NativePath::encode(override);
    const QString data = AppFolders::dataHome();
    if (data.isEmpty())
        return {};
    return NativePath::encode(data) + "/Trash";
}

/// A trash folder held open: its files/ and info/ folders, and where Path= is relative to.
struct TrashDirs
{
    FileDescriptor files;
    FileDescriptor info;
    quint64 device = 0;
    QString location; // the trash folder's path, for the result's target
};

FileDescriptor openFolderAt(int dirFd, const char *name)
{
    return FileDescriptor(::openat(dirFd, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

// files/ and info/ of an open trash folder, made when missing, never through a link.
std::optional<TrashDirs> openTrashDirs(const FileDescriptor &trash, const QByteArray &location)
{
    struct stat st;
    if (!trash.valid() || ::fstat(trash.get(), &st) != 0)
        return std::nullopt;
    TrashDirs dirs;
    dirs.device = st.st_dev;
    dirs.location = NativePath::decode(location);
    for (const auto &[name, fd] : {std::pair{"files", &dirs.files}, std::pair{"info", &dirs.info}})
    {
        if (::mkdirat(trash.get(), name, 0700) != 0 && errno != EEXIST)
            return std::nullopt;
        *fd = openFolderAt(trash.get(), name);
        if (!fd->valid())
            return std::nullopt;
    }
    return dirs;
}

// A folder another user cannot have planted: a real folder of ours that only we may enter.
bool privateFolder(const FileDescriptor &fd, quint64 device)
{
    struct stat st;
    return fd.valid() && ::fstat(fd.get(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
           (st.st_mode & 0777) == 0700 && st.st_dev == device;
}

// The top folder of the file system that holds the (resolved) folder.
QByteArray mountTop(QByteArray folder, quint64 device)
{
    while (folder != "/")
    {
        const QByteArray parent = PosixFiles::folderOf(folder);
        struct stat st;
        if (::stat(parent.constData(), &st) != 0 || st.st_dev != device)
            break;
        folder = parent;
    }
    return folder;
}

// The trash of a file system's top folder: $top/.Trash/$uid when the administrator made
// $top/.Trash a real folder with the sticky bit, else $top/.Trash-$uid; either only when it is
// a real folder of ours with mode 0700, reached without following a link.
std::optional<TrashDirs> topTrash(const QByteArray &top, quint64 device)
{
    const FileDescriptor topFd(::open(top.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    struct stat st;
    if (!topFd.valid() || ::fstat(topFd.get(), &st) != 0 || st.st_dev != device)
        return std::nullopt;
    const QByteArray base = top == "/" ? QByteArray() : top;
    const QByteArray uid = QByteArray::number(::getuid());

    const FileDescriptor shared = openFolderAt(topFd.get(), ".Trash");
    if (shared.valid() && ::fstat(shared.get(), &st) == 0 && (st.st_mode & S_ISVTX) && st.st_dev == device)
    {
        if (::mkdirat(shared.get(), uid.constData(), 0700) == 0 || errno == EEXIST)
        {
            const FileDescriptor mine = openFolderAt(shared.get(), uid.constData());
            if (privateFolder(mine, device))
                return openTrashDirs(mine, base + "/.Trash/" + uid);
            qCInfo(lcTrash) << "passed over" << base + "/.Trash/" + uid << "(not a private folder of this user)";
        }
    }
    const QByteArray own = ".Trash-" + uid;
    if (::mkdirat(topFd.get(), own.constData(), 0700) != 0 && errno != EEXIST)
        return std::nullopt;
    const FileDescriptor mine = openFolderAt(topFd.get(), own.constData());
    if (!privateFolder(mine, device))
    {
        qCInfo(lcTrash) << "passed over" << base + '/' + own << "(not a private folder of this user)";
        return std::nullopt;
    }
    return openTrashDirs(mine, base + '/' + own);
}

// The device of the path, or of its nearest ancestor that exists.
quint64 deviceOf(QByteArray path)
{
    struct stat st;
    while (::stat(path.constData(), &st) != 0)
    {
        const QByteArray parent = PosixFiles::folderOf(path);
        if (parent == path)
            return 0;
        path = parent;
    }
    return st.st_dev;
}

std::optional<TrashDirs> homeTrashDirs(const QByteArray &home)
{
    if (!PosixFiles::makePath(home, 0700))
        return std::nullopt;
    return openTrashDirs(FileDescriptor(::open(home.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC)), home);
}

QByteArray infoText(const QByteArray &pathForInfo)
{
    const time_t now = ::time(nullptr);
    struct tm t;
    char date[32] = {};
    if (::localtime_r(&now, &t))
        ::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &t);
    return QByteArray("[Trash Info]\nPath=") + pathForInfo.toPercentEncoding("/") + "\nDeletionDate=" + date + "\n";
}

bool writeAll(int fd, const QByteArray &data)
{
    qsizetype done = 0;
    while (done < data.size())
    {
        const ssize_t n = ::write(fd, data.constData() + done, static_cast<size_t>(data.size() - done));
        if (n < 0)
        {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += n;
    }
    return true;
}

// Claims info/INFO by making it, where no file may be yet, and writes text into it: 0, EEXIST
// when another file has the name, or why it could not be written (and it is gone again).
int claimInfo(int infoFolder, const QByteArray &info, const QByteArray &text)
{
    FileDescriptor fd(
        ::openat(infoFolder, info.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!fd.valid())
        return errno;
    const bool written = writeAll(fd.get(), text);
    const int writeError = errno;
    if (fd.close() != 0 || !written)
    {
        const int e = written ? errno : writeError;
        ::unlinkat(infoFolder, info.constData(), 0);
        return e;
    }
    return 0;
}

// Whether the located item is still at `name` in the folder dir: a file as its status says, or
// a folder of its identity (a rename into another folder may touch the moved folder's times).
bool arrived(const LocatedFile &file, bool folder, int dir, const char *name)
{
    return folder ? PosixFiles::folderMatchesAt(dir, name, file.status, false)
                  : PosixFiles::matchesAt(dir, name, file.status);
}

// Renames the file to files/NAME, where target is its path; nothing when another file took NAME.
std::optional<FileOpResult> moveIn(const LocatedFile &file, bool folder, const TrashDirs &trash,
                                   const QByteArray &trashName, const QString &target)
{
    const int dir = file.folder.get();
    const int e = PosixFiles::renameNoReplaceAt(dir, file.name.constData(), trash.files.get(), trashName.constData());
    if (e == EEXIST)
        return std::nullopt;
    if (e != 0)
        return systemFailure(e);
    if (arrived(file, folder, trash.files.get(), trashName.constData()))
        return FileOpResult::success(target);
    // Another file took the name between the last look and the rename: put it back.
    PosixFiles::renameNoReplaceAt(trash.files.get(), trashName.constData(), dir, file.name.constData());
    return FileOpResult::failure(FileOpError::Changed);
}

// Puts the file into the trash under a free name: reserves info/NAME.trashinfo first (its
// exclusive creation is what claims NAME), then renames the file to files/NAME. With srcFd the
// whole file is first copied into files/ without a name, flushed, read back and compared; only
// then is NAME claimed and the copy linked there, and the file removed. So an info file never
// describes a part of a file.
// folder: the item is a folder, which is only ever renamed, never copied.
FileOpResult place(const LocatedFile &file, const TrashDirs &trash, const QByteArray &pathForInfo, int srcFd,
                   bool folder = false)
{
    const QString name = NativePath::decode(file.name);
    const QByteArray text = infoText(pathForInfo);
    const int dir = file.folder.get();
    PosixFiles::StagedCopy copy;
    if (srcFd >= 0)
    {
        if (const FileOpResult made = copy.make(srcFd, trash.files.get(), true, {}); !made.ok())
            return made;
    }
    for (int n = 1; n <= kMaxNumber; ++n)
    {
        const QByteArray trashName =
            NativePath::encode(FileTransfer::numberedName(name, n, NAME_MAX - kInfoSuffix.size()));
        const QByteArray info = trashName + kInfoSuffix;
        const int claimed = claimInfo(trash.info.get(), info, text);
        if (claimed == EEXIST)
            continue;
        if (claimed != 0)
            return systemFailure(claimed);
        auto undo = [&](FileOpResult r) {
            ::unlinkat(trash.info.get(), info.constData(), 0);
            return r;
        };
        const QString target = trash.location + QStringLiteral("/files/") + NativePath::decode(trashName);

        if (srcFd < 0)
        {
            const std::optional<FileOpResult> moved = moveIn(file, folder, trash, trashName, target);
            if (!moved)
            {
                undo({});
                continue;
            }
            return moved->ok() ? *moved : undo(*moved);
        }

        const int e = copy.place(trashName.constData());
        if (e == EEXIST)
        {
            undo({});
            continue;
        }
        if (e != 0)
            return undo(systemFailure(e));
        PosixFiles::syncFolder(trash.files.get());
        const FileOpResult removed = PosixFiles::unlinkExpected(dir, file.name.constData(), file.status);
        if (!removed.ok())
        {
            // The info first: a moment later it would describe a file that is gone.
            undo({});
            copy.unplace();
            return removed;
        }
        return FileOpResult::success(target);
    }
    return FileOpResult::failure(FileOpError::NoFreeName);
}
} // namespace

namespace Trash
{
QString homeTrash()
{
    return NativePath::decode(homeTrashBytes(QString()));
}

FileOpResult moveToTrash(const LocatedFile &file, const QString &homeTrashFolder)
{
    if (!file.path.startsWith(u'/'))
        return FileOpResult::failure(FileOpError::NotAbsolute);
    if (!PosixFiles::matchesAt(file.folder.get(), file.name.constData(), file.status))
        return FileOpResult::failure(FileOpError::Changed);

    const QByteArray pathBytes = NativePath::encode(file.path);
    const QByteArray home = homeTrashBytes(homeTrashFolder);
    if (deviceOf(home) == file.status.device)
    {
        // The home trash serves every file of its own file system, and only it.
        const std::optional<TrashDirs> homeDirs = homeTrashDirs(home);
        if (!homeDirs)
            return systemFailure(errno);
        const FileOpResult r = place(file, *homeDirs, pathBytes, -1);
        if (r.ok() || r.errorNumber != EXDEV)
            return r;
    }
    else
    {
        const QByteArray folder = PosixFiles::pathOf(file.folder.get());
        if (!folder.isEmpty())
        {
            const QByteArray top = mountTop(folder, file.status.device);
            if (const auto dirs = topTrash(top, file.status.device))
            {
                // Paths in a top folder's trash are relative to that folder.
                const QByteArray full = (folder == "/" ? folder : folder + '/') + file.name;
                const QByteArray relative = full.mid(top == "/" ? 1 : top.size() + 1);
                const FileOpResult r = place(file, *dirs, relative, -1);
                if (r.ok() || r.errorNumber != EXDEV)
                    return r;
            }
        }
    }
    const std::optional<TrashDirs> homeDirs = homeTrashDirs(home);
    if (!homeDirs)
        return systemFailure(errno);

    // No trash on the file's own file system: a verified copy in the home trash.
    qCInfo(lcTrash) << "no trash on the file system of" << file.path << "- copying it into" << home;
    const FileDescriptor fd(PosixFiles::openRegularAt(file.folder.get(), file.name.constData()));
    if (!fd.valid())
        return systemFailure(errno);
    struct stat opened;
    if (::fstat(fd.get(), &opened) != 0 || !PosixFiles::matches(opened, file.status))
        return FileOpResult::failure(FileOpError::Changed);
    return place(file, *homeDirs, pathBytes, fd.get());
}

FileOpResult moveFolderToTrash(const LocatedFile &folder, const QString &homeTrashFolder)
{
    if (!folder.path.startsWith(u'/'))
        return FileOpResult::failure(FileOpError::NotAbsolute);
    // Still the folder proved: an entry added to it or taken from it since changes its time.
    if (!PosixFiles::folderMatchesAt(folder.folder.get(), folder.name.constData(), folder.status, true))
        return FileOpResult::failure(FileOpError::Changed);

    const QByteArray home = homeTrashBytes(homeTrashFolder);
    if (deviceOf(home) == folder.status.device)
    {
        const std::optional<TrashDirs> homeDirs = homeTrashDirs(home);
        if (!homeDirs)
            return systemFailure(errno);
        return place(folder, *homeDirs, NativePath::encode(folder.path), -1, true);
    }
    const QByteArray parent = PosixFiles::pathOf(folder.folder.get());
    if (parent.isEmpty())
        return systemFailure(EXDEV);
    const QByteArray top = mountTop(parent, folder.status.device);
    const auto dirs = topTrash(top, folder.status.device);
    if (!dirs)
        return systemFailure(EXDEV);
    const QByteArray full = (parent == "/" ? parent : parent + '/') + folder.name;
    return place(folder, *dirs, full.mid(top == "/" ? 1 : top.size() + 1), -1, true);
}
} // namespace Trash
