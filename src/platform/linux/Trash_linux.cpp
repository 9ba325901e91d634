#include "platform/Trash.h"

#include "platform/FileTransfer.h"
#include "platform/NativePath.h"
#include "platform/linux/PosixFiles.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
constexpr int kMaxNumber = 9999;
const QByteArray kInfoSuffix(".trashinfo");

FileOpResult systemFailure(int number)
{
    return FileOpResult::failure(FileOpError::System, number);
}

QByteArray homeTrashBytes(const QString &override)
{
    if (!override.isEmpty())
        return NativePath::encode(override);
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    if (data.startsWith('/'))
        return data + "/Trash";
    return qgetenv("HOME") + "/.local/share/Trash";
}

// The device of the path, or of its nearest ancestor that exists.
dev_t deviceOf(QByteArray path)
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

bool prepareTrash(const QByteArray &root)
{
    return PosixFiles::makePath(root + "/files", 0700) && PosixFiles::makePath(root + "/info", 0700);
}

// The top folder of the file system that holds the (physical) folder.
QByteArray mountTop(QByteArray folder, dev_t device)
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

// The trash of a top folder: $top/.Trash/$uid when the administrator made $top/.Trash (a real
// folder with the sticky bit), else $top/.Trash-$uid.
std::optional<QByteArray> topTrash(const QByteArray &top)
{
    const QByteArray base = top == "/" ? QByteArray() : top;
    const QByteArray uid = QByteArray::number(::getuid());
    struct stat st;
    const QByteArray shared = base + "/.Trash";
    if (::lstat(shared.constData(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX))
    {
        const QByteArray mine = shared + '/' + uid;
        if (prepareTrash(mine))
            return mine;
    }
    const QByteArray own = base + "/.Trash-" + uid;
    if (::mkdir(own.constData(), 0700) != 0 && errno != EEXIST)
        return std::nullopt;
    if (::lstat(own.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid() || !prepareTrash(own))
        return std::nullopt;
    return own;
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

// Puts the file into the trash root under a free name: reserves info/NAME.trashinfo first (its
// exclusive creation is what claims NAME), then renames the file to files/NAME, or with srcFd
// copies it there, verifies the copy and removes the file.
FileOpResult place(const QByteArray &from, const struct stat &st, const QByteArray &root, const QByteArray &pathForInfo,
                   int srcFd)
{
    const QString name = NativePath::decode(PosixFiles::nameOf(from));
    const QByteArray text = infoText(pathForInfo);
    for (int n = 1; n <= kMaxNumber; ++n)
    {
        const QByteArray trashName =
            NativePath::encode(FileTransfer::numberedName(name, n, NAME_MAX - kInfoSuffix.size()));
        const QByteArray info = root + "/info/" + trashName + kInfoSuffix;
        const QByteArray to = root + "/files/" + trashName;
        const int fd = ::open(info.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0)
        {
            if (errno == EEXIST)
                continue;
            return systemFailure(errno);
        }
        const bool written = writeAll(fd, text);
        const int writeError = errno;
        if (::close(fd) != 0 || !written)
        {
            ::unlink(info.constData());
            return systemFailure(written ? errno : writeError);
        }

        if (srcFd < 0)
        {
            const int e = PosixFiles::renameNoReplace(from.constData(), to.constData());
            if (e == EEXIST)
            {
                ::unlink(info.constData());
                continue;
            }
            if (e != 0)
            {
                ::unlink(info.constData());
                return systemFailure(e);
            }
            struct stat moved;
            if (::lstat(to.constData(), &moved) == 0 && moved.st_dev == st.st_dev && moved.st_ino == st.st_ino)
                return FileOpResult::success(NativePath::decode(to));
            // Another file took the name between the last look and the rename: put it back.
            PosixFiles::renameNoReplace(to.constData(), from.constData());
            ::unlink(info.constData());
            return FileOpResult::failure(FileOpError::Changed);
        }

        const FileOpResult copied = PosixFiles::copyExclusive(srcFd, to.constData(), true, {});
        if (!copied.ok())
        {
            ::unlink(info.constData());
            if (copied.error == FileOpError::System && copied.errorNumber == EEXIST)
                continue;
            return copied;
        }
        struct stat now;
        if (::lstat(from.constData(), &now) != 0 || now.st_dev != st.st_dev || now.st_ino != st.st_ino)
        {
            ::unlink(to.constData());
            ::unlink(info.constData());
            return FileOpResult::failure(FileOpError::Changed);
        }
        if (::unlink(from.constData()) != 0)
        {
            const int e = errno;
            ::unlink(to.constData());
            ::unlink(info.constData());
            return systemFailure(e);
        }
        return FileOpResult::success(NativePath::decode(to));
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

FileOpResult moveToTrash(const QString &path, const FileStatus *expected, const QString &homeTrashFolder)
{
    if (!path.startsWith(u'/'))
        return FileOpResult::failure(FileOpError::NotAbsolute);
    const QByteArray from = NativePath::encode(path);
    struct stat st;
    if (::lstat(from.constData(), &st) != 0)
        return systemFailure(errno);
    if (!S_ISREG(st.st_mode) || (expected && !PosixFiles::matches(st, *expected)))
        return FileOpResult::failure(FileOpError::Changed);

    const QByteArray home = homeTrashBytes(homeTrashFolder);
    if (deviceOf(home) == st.st_dev)
    {
        // The home trash serves every file of its own file system, and only it.
        if (!prepareTrash(home))
            return systemFailure(errno);
        const FileOpResult r = place(from, st, home, from, -1);
        if (r.ok() || r.errorNumber != EXDEV)
            return r;
    }
    else
    {
        char real[PATH_MAX];
        if (::realpath(PosixFiles::folderOf(from).constData(), real))
        {
            const QByteArray folder(real);
            const QByteArray top = mountTop(folder, st.st_dev);
            if (const auto root = topTrash(top))
            {
                // Paths in a top folder's trash are relative to that folder.
                const QByteArray full = (folder == "/" ? folder : folder + '/') + PosixFiles::nameOf(from);
                const QByteArray relative = full.mid(top == "/" ? 1 : top.size() + 1);
                const FileOpResult r = place(from, st, *root, relative, -1);
                if (r.ok() || r.errorNumber != EXDEV)
                    return r;
            }
        }
        if (!prepareTrash(home))
            return systemFailure(errno);
    }

    // No trash on the file's own file system: a verified copy in the home trash.
    const int fd = PosixFiles::openRegular(from.constData());
    if (fd < 0)
        return systemFailure(errno);
    struct stat opened;
    FileOpResult r = FileOpResult::failure(FileOpError::Changed);
    if (::fstat(fd, &opened) == 0 && opened.st_dev == st.st_dev && opened.st_ino == st.st_ino)
        r = place(from, st, home, from, fd);
    ::close(fd);
    return r;
}
} // namespace Trash
