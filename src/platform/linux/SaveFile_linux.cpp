// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SaveFile.h"

#include "platform/NativePath.h"
#include "platform/SafeFolders.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace
{
constexpr int kMaxLinks = 40; // as many as the kernel follows in one path
constexpr int kNameAttempts = 100;

// The name the bytes go to, in its open folder, and what is there now.
struct Target
{
    FileDescriptor folder;
    QByteArray name;
    struct stat status = {};
    bool exists = false;      // a regular file is at the name
    bool inPlace = false;     // a FIFO or a device, written where it is
    bool throughProc = false; // named by a link in /proc, which the kernel alone can follow
};

// text: a QT_TRANSLATE_NOOP("SaveFile", ...) sentence.
FileOpen::Result refusal(FileOpen::Failure kind, const char *text)
{
    return {kind, QCoreApplication::translate("SaveFile", text)};
}

FileOpen::Result notAFile(const struct stat &st)
{
    if (S_ISDIR(st.st_mode))
        return FileOpen::systemFailure(EISDIR);
    return refusal(FileOpen::Failure::NotAFile, QT_TRANSLATE_NOOP("SaveFile", "Not a file, FIFO or device"));
}

bool isDevice(const struct stat &st)
{
    return S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode);
}

bool onProc(int folder)
{
    struct statfs fs;
    return ::fstatfs(folder, &fs) == 0 && fs.f_type == PROC_SUPER_MAGIC;
}

QByteArray absolute(const QByteArray &path)
{
    if (path.startsWith('/'))
        return path;
    char current[PATH_MAX];
    if (!::getcwd(current, sizeof current))
        return {};
    return QByteArray(current) + '/' + path;
}

// In a folder everyone may write to (/tmp), a name another user put there could send the bytes to
// that user: the kernel's protected links, files and FIFOs, applied whatever its settings, so only
// a name of the caller's or of the folder's owner is used.
FileOpen::Result refuseStrangers(const Target &t)
{
    struct stat folder;
    if (::fstat(t.folder.get(), &folder) != 0)
        return FileOpen::systemFailure(errno);
    const bool trusted = SafeFolders::mayFollow(folder, t.status);
    if (!S_ISLNK(t.status.st_mode))
    {
        if (!trusted)
            return refusal(
                FileOpen::Failure::AccessDenied,
                QT_TRANSLATE_NOOP("SaveFile", "Not replacing another user's file in a folder everyone can write to"));
        return {};
    }
    if (!trusted)
        return refusal(
            FileOpen::Failure::AccessDenied,
            QT_TRANSLATE_NOOP("SaveFile", "Not following another user's link in a folder everyone can write to"));
    return {};
}

// The path a link at t's name leads to, taken from folderPath when it is relative; empty with errno
// set when it cannot be read.
QByteArray linkTarget(const Target &t, const QByteArray &folderPath)
{
    char target[PATH_MAX];
    const ssize_t n = ::readlinkat(t.folder.get(), t.name.constData(), target, sizeof target);
    if (n <= 0 || n >= static_cast<ssize_t>(sizeof target))
    {
        errno = n < 0 ? errno : ENAMETOOLONG;
        return {};
    }
    const QByteArray text(target, n);
    return text.startsWith('/') ? text : folderPath + '/' + text;
}

// What is at the name once every link is followed: a regular file to replace, a FIFO or device to
// write in place, or something that is refused.
FileOpen::Result settle(Target &t)
{
    if (S_ISREG(t.status.st_mode))
    {
        // A file its owner made read-only is not replaced, as a write to it would fail.
        if (::faccessat(t.folder.get(), t.name.constData(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0)
            return FileOpen::systemFailure(errno);
        t.exists = true;
        return {};
    }
    if (isDevice(t.status))
    {
        t.inPlace = true;
        return {};
    }
    return notAFile(t.status);
}

// Finds the name the bytes go to. Folders are taken as SafeFolders takes them; a link at the name
// is followed under the same rule. A link in /proc (/dev/stdout leads to /proc/self/fd/1) names an
// open file, often one without a path ("pipe:[123]"): a FIFO or a device behind it is written
// through the link itself, and a regular file is reached by the path the link shows, which must
// still lead to that same file.
FileOpen::Result resolve(QByteArray path, Target &t)
{
    bool expected = false;
    struct stat behindProc = {};
    for (int links = 0;;)
    {
        const qsizetype slash = path.lastIndexOf('/');
        const QByteArray folderPath = slash == 0 ? QByteArray("/") : path.left(slash);
        t.name = path.mid(slash + 1);
        t.folder = SafeFolders::openFolder(folderPath);
        if (!t.folder.valid())
            return FileOpen::systemFailure(errno);
        if (t.name.isEmpty() || t.name == "." || t.name == "..")
            return FileOpen::systemFailure(EISDIR);
        if (::fstatat(t.folder.get(), t.name.constData(), &t.status, AT_SYMLINK_NOFOLLOW) != 0)
        {
            if (errno == ENOENT && !expected)
                return {}; // a free name: a new file
            if (errno == ENOENT)
                return refusal(FileOpen::Failure::NotFound,
                               QT_TRANSLATE_NOOP("SaveFile", "The file behind the link is no longer at its name"));
            return FileOpen::systemFailure(errno);
        }
        if (const FileOpen::Result refused = refuseStrangers(t); !refused.ok())
            return refused;
        if (!S_ISLNK(t.status.st_mode))
            break;
        if (++links > kMaxLinks)
            return FileOpen::systemFailure(ELOOP);
        if (onProc(t.folder.get()))
        {
            struct stat st;
            if (::fstatat(t.folder.get(), t.name.constData(), &st, 0) != 0)
                return FileOpen::systemFailure(errno);
            if (isDevice(st))
            {
                t.status = st;
                t.inPlace = true;
                t.throughProc = true;
                return {};
            }
            if (!S_ISREG(st.st_mode))
                return notAFile(st);
            expected = true;
            behindProc = st;
        }
        path = linkTarget(t, folderPath);
        if (path.isEmpty())
            return FileOpen::systemFailure(errno);
    }
    if (expected && (t.status.st_dev != behindProc.st_dev || t.status.st_ino != behindProc.st_ino))
        return refusal(FileOpen::Failure::Other,
                       QT_TRANSLATE_NOOP("SaveFile", "The file behind the link is no longer at its name"));
    return settle(t);
}

// A FIFO waits here for its reader, as it does for any program that writes to one.
FileDescriptor openDevice(const Target &t)
{
    const int flags = O_WRONLY | O_NOCTTY | O_CLOEXEC | (t.throughProc ? 0 : O_NOFOLLOW);
    FileDescriptor fd;
    do
        fd = FileDescriptor(::openat(t.folder.get(), t.name.constData(), flags));
    while (!fd.valid() && errno == EINTR);
    return fd;
}

// A fresh hidden name beside name, of at most NAME_MAX bytes.
QByteArray hiddenName(const QByteArray &name)
{
    const QByteArray suffix =
        ".new-" + QByteArray::number(static_cast<qulonglong>(QRandomGenerator::system()->generate64()), 16);
    return '.' + name.left(NAME_MAX - 1 - suffix.size()) + suffix;
}

mode_t currentUmask()
{
    // Read, not set: umask() cannot be asked without changing it for every thread for a moment.
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
    {
        for (const QByteArray &line : status.readAll().split('\n'))
        {
            if (line.startsWith("Umask:"))
                return static_cast<mode_t>(line.mid(6).trimmed().toUInt(nullptr, 8));
        }
    }
    return 022;
}

// A new file in the folder: without a name (O_TMPFILE) where the file system can, so that a crash
// leaves nothing; else under a fresh hidden name, given back in newName.
FileDescriptor makeNewFile(int folder, const QByteArray &name, mode_t mode, QByteArray &newName)
{
    FileDescriptor fd(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
    if (fd.valid() || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
        return fd;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt)
    {
        const QByteArray hidden = hiddenName(name);
        // Visible while it is written: only its owner may read it until it is whole.
        fd = FileDescriptor(::openat(folder, hidden.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                     S_IRUSR | S_IWUSR));
        if (fd.valid())
        {
            newName = hidden;
            return fd;
        }
        if (errno != EEXIST)
            return fd;
    }
    return fd;
}

bool writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0)
    {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0)
        {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}
// A FIFO or a device at the name: checked for writing, or opened into file when open.
FileOpen::Result prepareInPlace(const Target &t, bool open, FileDescriptor &file)
{
    if (!open)
    {
        const int flags = AT_EACCESS | (t.throughProc ? 0 : AT_SYMLINK_NOFOLLOW);
        if (::faccessat(t.folder.get(), t.name.constData(), W_OK, flags) != 0)
            return FileOpen::systemFailure(errno);
        return {};
    }
    FileDescriptor fd = openDevice(t);
    struct stat st;
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0)
        return FileOpen::systemFailure(errno);
    if (!isDevice(st))
        return refusal(FileOpen::Failure::Other, QT_TRANSLATE_NOOP("SaveFile", "The file changed while it was opened"));
    file = std::move(fd);
    return {};
}

// The permissions of the new file: those of the file it replaces (shared), the umask's for a new
// shared file given a name (named), or the user's alone.
FileOpen::Result setNewFileMode(int file, const Target &t, bool shared, bool named)
{
    mode_t mode = S_IRUSR | S_IWUSR;
    if (shared && t.exists)
    {
        // The file replaced keeps its owner and group where the system allows it (EPERM where
        // it does not), and its permissions; set-user-ID and set-group-ID do not carry over to
        // new contents.
        const bool sameOwner = t.status.st_uid == ::geteuid() && t.status.st_gid == ::getegid();
        if (!sameOwner && ::fchown(file, t.status.st_uid, t.status.st_gid) != 0 && errno != EPERM)
            return FileOpen::systemFailure(errno);
        mode = t.status.st_mode & 0777;
    }
    else if (shared)
    {
        if (!named)
            return {}; // made without a name, with the mode the umask gave
        mode = 0666 & ~currentUmask();
    }
    if (::fchmod(file, mode) != 0)
        return FileOpen::systemFailure(errno);
    return {};
}
} // namespace

SaveFile::~SaveFile()
{
    if (!m_newName.isEmpty())
        ::unlinkat(m_folder.get(), m_newName.constData(), 0);
}

FileOpen::Result SaveFile::prepareStandardOutput(bool openInPlace)
{
    if (!openInPlace)
        return {};
    m_file = FileDescriptor(::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 0));
    if (!m_file.valid())
        return FileOpen::systemFailure(errno);
    m_inPlace = true;
    return {};
}

FileOpen::Result SaveFile::prepare(bool openInPlace)
{
    if (m_path == u"-")
        return prepareStandardOutput(openInPlace);
    // Names reach the system as their exact bytes (NativePath), so any name can be written; a NUL
    // would end the name early and reach another file.
    const QByteArray bytes = NativePath::encode(m_path);
    if (bytes.isEmpty())
        return FileOpen::systemFailure(ENOENT);
    if (bytes.contains('\0'))
        return FileOpen::systemFailure(EINVAL);
    const QByteArray path = absolute(bytes);
    if (path.isEmpty())
        return FileOpen::systemFailure(errno);
    Target t;
    const FileOpen::Result found = resolve(path, t);
    if (!found.ok())
        return found;
    if (t.inPlace)
    {
        const FileOpen::Result r = prepareInPlace(t, openInPlace, m_file);
        m_inPlace = m_file.valid();
        return r;
    }

    // A new file of the user's own is made as the umask (and a default ACL) says; one that will
    // replace a file or stay private starts private and gets its permissions below.
    const bool asCreated = m_access == Access::Shared && !t.exists;
    const mode_t createMode = asCreated ? 0666 : S_IRUSR | S_IWUSR;
    FileDescriptor fd = makeNewFile(t.folder.get(), t.name, createMode, m_newName);
    if (!fd.valid())
        return FileOpen::systemFailure(errno);
    m_folder = std::move(t.folder);
    m_name = t.name;
    m_file = std::move(fd);
    return setNewFileMode(m_file.get(), t, m_access == Access::Shared, !m_newName.isEmpty());
}

FileOpen::Result SaveFile::flushBuffer()
{
    if (!writeAll(m_file.get(), m_buffer.constData(), m_buffer.size()))
        return FileOpen::systemFailure(errno);
    m_buffer.clear();
    return {};
}

FileOpen::Result SaveFile::commit()
{
    const FileOpen::Result flushed = flushBuffer();
    if (!flushed.ok())
        return flushed;
    if (m_inPlace)
    {
        // A block device keeps the bytes only once they are flushed; a FIFO or a terminal has
        // nothing to flush.
        struct stat st;
        if (::fstat(m_file.get(), &st) == 0 && S_ISBLK(st.st_mode) && ::fsync(m_file.get()) != 0)
            return FileOpen::systemFailure(errno);
        if (m_file.close() != 0)
            return FileOpen::systemFailure(errno);
        return {};
    }
    if (::fsync(m_file.get()) != 0)
        return FileOpen::systemFailure(errno);
    if (m_newName.isEmpty())
    {
        // The file made without a name gets a hidden one beside the target, to be renamed from.
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_file.get());
        for (int attempt = 0; attempt < kNameAttempts && m_newName.isEmpty(); ++attempt)
        {
            const QByteArray hidden = hiddenName(m_name);
            if (::linkat(AT_FDCWD, self.constData(), m_folder.get(), hidden.constData(), AT_SYMLINK_FOLLOW) == 0 ||
                (errno == ENOENT && ::linkat(m_file.get(), "", m_folder.get(), hidden.constData(), AT_EMPTY_PATH) == 0))
                m_newName = hidden;
            else if (errno != EEXIST)
                return FileOpen::systemFailure(errno);
        }
        if (m_newName.isEmpty())
            return FileOpen::systemFailure(EEXIST);
    }
    if (m_file.close() != 0)
        return FileOpen::systemFailure(errno);
    // The last look: a folder, FIFO or device put at the name since open() is not replaced. A link
    // put there is replaced, not followed: rename never follows a link at its target.
    struct stat st;
    if (::fstatat(m_folder.get(), m_name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(st.st_mode) &&
        !S_ISLNK(st.st_mode))
        return notAFile(st);
    if (::renameat(m_folder.get(), m_newName.constData(), m_folder.get(), m_name.constData()) != 0)
        return FileOpen::systemFailure(errno);
    m_newName.clear();
    // The rename itself reaches the disk with the folder. The file is already in place, so a
    // failure here is not reported as a failed save.
    const FileDescriptor folder(::openat(m_folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid())
        ::fsync(folder.get());
    return {};
}
