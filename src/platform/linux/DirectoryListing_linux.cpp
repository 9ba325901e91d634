// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DirectoryListing.h"

#include "platform/FileDescriptor.h"
#include "platform/NativePath.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <iterator>
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

// Adds the entry (unless it is "." or ".."), with the details of a wanted regular file.
void addEntry(int fd, const struct dirent64 &d, const std::function<bool(QStringView)> &wantDetails,
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
            takeDetails(e, st);
        else
            e.kind = Kind::Other;
    }
    entries.push_back(std::move(e));
}
} // namespace

namespace DirectoryListing
{
const FileDescriptor &OpenFolders::parentOf(const QString &folder, QStringView &name)
{
    static const FileDescriptor none;
    const qsizetype slash = folder.size() >= 2 ? folder.lastIndexOf(u'/', folder.size() - 2) : -1;
    if (slash < 0)
        return none;
    name = QStringView(folder).sliced(slash + 1, folder.size() - slash - 2);
    if (name.isEmpty() || name == u"." || name == u"..")
        return none;
    const QStringView parent = QStringView(folder).first(slash + 1);
    for (auto h = m_held.rbegin(); h != m_held.rend(); ++h)
    {
        if (h->path == parent)
        {
            // Held longer: its next sub-folders are likely to come soon.
            std::rotate(std::prev(h.base()), h.base(), m_held.end());
            return m_held.back().fd;
        }
    }
    return none;
}

void OpenFolders::keep(const QString &folder, FileDescriptor fd)
{
    if (m_held.size() >= Most)
        m_held.erase(m_held.begin());
    m_held.push_back({folder, std::move(fd)});
}

bool list(const QString &folder, bool noFollow, const std::function<bool(QStringView)> &wantDetails,
          std::vector<Entry> &entries, FileId *folderId, OpenFolders *held)
{
    entries.clear();
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (noFollow ? O_NOFOLLOW : 0);
    QByteArray path = NativePath::encode(folder);
    // A folder the system could not reach by its path is not listed, however it is opened: no
    // later step could reach its files either.
    if (path.size() >= PATH_MAX)
        return false;
    FileDescriptor fd;
    QStringView name;
    const FileDescriptor *parent = held && noFollow ? &held->parentOf(folder, name) : nullptr;
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
        return false;
    struct stat st;
    if (::fstat(fd.get(), &st) != 0)
        return false;
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
            addEntry(fd.get(), *d, wantDetails, entries);
        }
    }
    if (held)
        held->keep(folder, std::move(fd));
    return true;
}
} // namespace DirectoryListing
