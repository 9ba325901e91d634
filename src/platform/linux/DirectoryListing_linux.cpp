// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DirectoryListing.h"

#include "platform/FileDescriptor.h"
#include "platform/NativePath.h"

#include <xxhash.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <utility>

namespace
{
// Most names are ASCII: those skip the UTF-8 check.
QString nameText(const char *bytes, size_t size)
{
    for (size_t i = 0; i < size; ++i)
    {
        if (static_cast<unsigned char>(bytes[i]) >= 0x80)
            return NativePath::decode(bytes, static_cast<qsizetype>(size));
    }
    return QString::fromLatin1(bytes, static_cast<qsizetype>(size));
}

DirectoryListing::Kind kindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return DirectoryListing::Kind::File;
    if (S_ISDIR(mode))
        return DirectoryListing::Kind::Folder;
    return DirectoryListing::Kind::Other;
}

void takeDetails(DirectoryListing::Entry &e, const struct stat &st)
{
    e.hasDetails = true;
    e.size = static_cast<qint64>(st.st_size);
    e.mtime = static_cast<qint64>(st.st_mtim.tv_sec);
    e.id = {static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino)};
    e.links = static_cast<quint64>(st.st_nlink);
}

// Files read whole while listing are at most this long: a file a comparison would read in one
// small block anyway.
constexpr qint64 MostHashed = 4096;

// Reads the file e (of the folder fd, listed with st) whole and hashes it, if it is still the
// same regular file of the same length once opened. The folder is open: no path is looked up.
void hashContent(int fd, const char *raw, const struct stat &st, DirectoryListing::Entry &e)
{
    // O_NONBLOCK: a FIFO put in the file's place must not hang the walk; fstat refuses it.
    const FileDescriptor file(::openat(fd, raw, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    struct stat now;
    if (!file.valid() || ::fstat(file.get(), &now) != 0 || !S_ISREG(now.st_mode) || now.st_dev != st.st_dev ||
        now.st_ino != st.st_ino || now.st_size != st.st_size)
        return;
    char buffer[MostHashed];
    const auto size = static_cast<size_t>(st.st_size);
    size_t done = 0;
    while (done < size)
    {
        const ssize_t n = ::pread(file.get(), buffer + done, size - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        done += static_cast<size_t>(n);
    }
    e.hash = DirectoryListing::contentHash(buffer, size);
    e.hashed = true;
}

// Adds the entry (unless it is "." or ".."), with the details of a wanted regular file.
void addEntry(int fd, const struct dirent64 &d, const std::function<bool(QStringView)> &wantDetails, qint64 hashUpTo,
              std::vector<DirectoryListing::Entry> &entries)
{
    using DirectoryListing::Kind;
    const char *raw = d.d_name;
    if (raw[0] == '.' && (raw[1] == '\0' || (raw[1] == '.' && raw[2] == '\0')))
        return;
    DirectoryListing::Entry e;
    e.name = nameText(raw, std::strlen(raw));
    struct stat st;
    bool statted = false;
    switch (d.d_type)
    {
    case DT_DIR:
        e.kind = Kind::Folder;
        break;
    case DT_REG:
        e.kind = Kind::File;
        break;
    case DT_UNKNOWN:
        // Some file systems do not say: ask, without following a link.
        statted = ::fstatat(fd, raw, &st, AT_SYMLINK_NOFOLLOW) == 0;
        if (statted)
            e.kind = kindOf(st.st_mode);
        break;
    default:
        break; // links, FIFOs, sockets, devices
    }
    if (e.kind == Kind::File && wantDetails(e.name))
    {
        // The entry may have changed since it was listed: only a regular file counts.
        if (!statted)
            statted = ::fstatat(fd, raw, &st, AT_SYMLINK_NOFOLLOW) == 0;
        if (statted && S_ISREG(st.st_mode))
        {
            takeDetails(e, st);
            if (e.size > 0 && e.size <= std::min(hashUpTo, MostHashed))
                hashContent(fd, raw, st, e);
        }
        else
            e.kind = Kind::Other;
    }
    entries.push_back(std::move(e));
}
// The last name of folder (a path ending with "/"), or nothing when it has none or is "." or "..".
QStringView lastName(const QString &folder)
{
    const qsizetype slash = folder.size() >= 2 ? folder.lastIndexOf(u'/', folder.size() - 2) : -1;
    if (slash < 0)
        return {};
    const QStringView name = QStringView(folder).sliced(slash + 1, folder.size() - slash - 2);
    if (name == u"." || name == u"..")
        return {};
    return name;
}

// Opens folder, by `name` in `parent` when that is valid, else by its path, and reads its entries
// (see list()); the open folder, or an invalid descriptor when it could not be listed.
FileDescriptor openAndList(const QString &folder, bool noFollow, const FileDescriptor *parent, QStringView name,
                           const std::function<bool(QStringView)> &wantDetails, qint64 hashUpTo,
                           std::vector<DirectoryListing::Entry> &entries, DirectoryListing::FileId *folderId)
{
    entries.clear();
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (noFollow ? O_NOFOLLOW : 0);
    QByteArray path = NativePath::encode(folder);
    // A folder the system could not reach by its path is not listed, however it is opened: no
    // later step could reach its files either.
    if (path.size() >= PATH_MAX)
        return {};
    FileDescriptor fd;
    if (parent && parent->valid())
        fd.reset(::openat(parent->get(), NativePath::encode(name).constData(), flags));
    else
    {
        // A final "/" would have the system follow a link in the folder's place after all.
        if (noFollow && path.size() > 1 && path.endsWith('/'))
            path.chop(1);
        fd.reset(::open(path.constData(), flags));
    }
    if (!fd.valid())
        return {};
    struct stat st;
    if (::fstat(fd.get(), &st) != 0)
        return {};
    if (folderId)
        *folderId = {static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino)};

    // The entries straight from the system: readdir would first ask twice whether fd is open.
    alignas(struct dirent64) char buffer[32768];
    for (;;)
    {
        const ssize_t got = ::getdents64(fd.get(), buffer, sizeof buffer);
        if (got <= 0)
            break; // the end, or a folder that cannot be read on (as readdir ends)
        for (ssize_t at = 0; at < got;)
        {
            const auto *d = reinterpret_cast<const struct dirent64 *>(buffer + at);
            at += d->d_reclen;
            addEntry(fd.get(), *d, wantDetails, hashUpTo, entries);
        }
    }
    return fd;
}
} // namespace

namespace DirectoryListing
{
quint64 contentHash(const char *data, size_t size)
{
    return XXH3_64bits(data, size);
}

bool list(const QString &folder, bool noFollow, const std::function<bool(QStringView)> &wantDetails,
          std::vector<Entry> &entries, FileId *folderId, const FileDescriptor *in, FileDescriptor *kept,
          qint64 hashUpTo)
{
    const QStringView name = in ? lastName(folder) : QStringView();
    FileDescriptor fd =
        openAndList(folder, noFollow, name.isEmpty() ? nullptr : in, name, wantDetails, hashUpTo, entries, folderId);
    if (!fd.valid())
        return false;
    if (kept)
        *kept = std::move(fd);
    return true;
}
} // namespace DirectoryListing
