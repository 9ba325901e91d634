// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AnchoredFiles.h"

#include "platform/NativePath.h"
#include "platform/linux/PosixFiles.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
FolderIdentity identityOf(const struct stat &st)
{
    return {static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino)};
}

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
} // namespace

namespace AnchoredFiles
{
SearchRoot resolveRoot(const QString &folder)
{
    SearchRoot root;
    root.folder = folder.endsWith(u'/') ? folder : folder + u'/';
    char real[PATH_MAX];
    if (!::realpath(NativePath::encode(folder).constData(), real))
        return root;
    struct stat st;
    if (::stat(real, &st) != 0 || !S_ISDIR(st.st_mode))
        return root;
    root.real = QByteArray(real);
    root.id = identityOf(st);
    return root;
}

FolderResolver::FolderResolver(SearchRoot root) : m_root(std::move(root)) {}

std::optional<FolderIdentity> FolderResolver::identity(QStringView relative)
{
    if (!m_root.valid())
        return std::nullopt;
    QString key = relative.toString();
    while (key.endsWith(u'/'))
        key.chop(1);
    if (const auto seen = m_seen.constFind(key); seen != m_seen.cend())
        return *seen;

    std::optional<FolderIdentity> result;
    if (key.isEmpty())
    {
        struct stat st;
        if (::stat(m_root.real.constData(), &st) == 0 && S_ISDIR(st.st_mode) && identityOf(st) == m_root.id)
            result = m_root.id;
    }
    else
    {
        // The folder's parent first, so every step down has been seen to be a real folder.
        const qsizetype slash = key.lastIndexOf(u'/');
        const QStringView last = QStringView(key).mid(slash + 1);
        const bool parentOk = identity(slash < 0 ? QStringView() : QStringView(key).left(slash)).has_value();
        const QByteArray path = m_root.real + '/' + NativePath::encode(key);
        struct stat st;
        if (parentOk && last != u"." && last != u".." && ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode))
            result = identityOf(st);
    }
    m_seen.insert(key, result);
    return result;
}

Location locate(const SearchRoot &root, QStringView relative, const FolderIdentity &folder, const QString &name)
{
    Location location;
    location.found = Found::FolderChanged;
    const auto steps = stepsOf(relative);
    if (!root.valid() || !steps || name.isEmpty() || name.contains(u'/'))
        return location;
    FileDescriptor dir(::open(root.real.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    struct stat st;
    if (!dir.valid() || ::fstat(dir.get(), &st) != 0 || identityOf(st) != root.id)
        return location;
    for (const QByteArray &step : *steps)
    {
        FileDescriptor next(::openat(dir.get(), step.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!next.valid())
            return location;
        dir = std::move(next);
    }
    if (::fstat(dir.get(), &st) != 0 || identityOf(st) != folder)
        return location;

    LocatedFile &file = location.file;
    file.name = NativePath::encode(name);
    QString folderText = root.folder + relative.toString();
    if (!folderText.endsWith(u'/'))
        folderText += u'/';
    file.path = folderText + name;
    if (::fstatat(dir.get(), file.name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
    {
        location.found = errno == ENOENT ? Found::Gone : Found::NotAFile;
        return location;
    }
    file.status = PosixFiles::statusOf(st);
    file.folder = std::move(dir);
    location.found = S_ISREG(st.st_mode) ? Found::File : Found::NotAFile;
    return location;
}

bool unchanged(const LocatedFile &file)
{
    return file.folder.valid() && PosixFiles::matchesAt(file.folder.get(), file.name.constData(), file.status);
}

Comparison compareContents(const LocatedFile &a, const LocatedFile &b, const std::function<void()> &pulse)
{
    const FileDescriptor fa(PosixFiles::openRegularAt(a.folder.get(), a.name.constData()));
    const FileDescriptor fb(PosixFiles::openRegularAt(b.folder.get(), b.name.constData()));
    if (!fa.valid() || !fb.valid())
        return Comparison::Unreadable;
    auto unchanged = [](const FileDescriptor &fd, const LocatedFile &f) {
        struct stat st;
        // The status-change time too: a write whose time was put back still moves it.
        return ::fstat(fd.get(), &st) == 0 && PosixFiles::matches(st, f.status) &&
               PosixFiles::statusOf(st).ctimeNs == f.status.ctimeNs;
    };
    if (!unchanged(fa, a) || !unchanged(fb, b))
        return Comparison::Changed;
    if (a.status.size != b.status.size)
        return Comparison::Different;
    ::posix_fadvise(fa.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    ::posix_fadvise(fb.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    const int same = PosixFiles::compareContents(fa.get(), fb.get(), pulse);
    // A write while the files were read could make two different files read alike.
    if (!unchanged(fa, a) || !unchanged(fb, b))
        return Comparison::Changed;
    if (same < 0)
        return Comparison::Unreadable;
    return same == 0 ? Comparison::Same : Comparison::Different;
}
} // namespace AnchoredFiles
