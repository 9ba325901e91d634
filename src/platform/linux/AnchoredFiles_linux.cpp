// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AnchoredFiles.h"

#include "platform/NativePath.h"
#include "platform/linux/PosixFiles.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
FolderIdentity identityOf(const struct stat &st)
{
    return {static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino)};
}

// True while the open file is still the one of the status, its status-change time included: a
// write whose modification time was put back still moves that.
bool stillAsFound(const FileDescriptor &fd, const LocatedFile &f)
{
    struct stat st;
    return ::fstat(fd.get(), &st) == 0 && PosixFiles::matches(st, f.status) &&
           PosixFiles::statusOf(st).ctimeNs == f.status.ctimeNs;
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
    m_found = false;
    if (!m_root.valid())
        return std::nullopt;
    while (relative.endsWith(u'/'))
        relative.chop(1);
    if (m_way.empty())
    {
        // The root, opened once, and only while it is still the folder the location resolved to.
        FileDescriptor root(::open(m_root.real.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        struct stat st;
        if (!root.valid() || ::fstat(root.get(), &st) != 0 || identityOf(st) != m_root.id)
            return std::nullopt;
        m_way.push_back({QString(), std::move(root), m_root.id});
    }
    // Back up to the deepest open folder that holds `relative`, then down from it step by step.
    while (m_way.size() > 1)
    {
        const QString &held = m_way.back().relative;
        if (relative.startsWith(held) && (relative.size() == held.size() || relative[held.size()] == u'/'))
            break;
        m_way.pop_back();
    }
    qsizetype at = m_way.back().relative.size();
    while (at < relative.size())
    {
        if (relative[at] == u'/')
        {
            ++at; // "a//b" is the folder a/b
            continue;
        }
        qsizetype end = relative.indexOf(u'/', at);
        if (end < 0)
            end = relative.size();
        const QStringView name = relative.mid(at, end - at);
        if (name == u"." || name == u"..")
            return std::nullopt;
        FileDescriptor folder(::openat(m_way.back().folder.get(), NativePath::encode(name).constData(),
                                       O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat st;
        if (!folder.valid() || ::fstat(folder.get(), &st) != 0 || !S_ISDIR(st.st_mode))
            return std::nullopt;
        m_way.push_back({relative.left(end).toString(), std::move(folder), identityOf(st)});
        at = end;
    }
    m_found = true;
    return m_way.back().id;
}

std::vector<FolderIdentity> FolderResolver::way() const
{
    std::vector<FolderIdentity> ids;
    if (!m_found)
        return ids;
    ids.reserve(m_way.size());
    for (const Step &step : m_way)
        ids.push_back(step.id);
    return ids;
}

FileStatus FolderResolver::statusOf(const QString &name) const
{
    // A name is one entry of its folder: one that climbs or descends would look at another file.
    if (!m_found || name.isEmpty() || name == u"." || name == u".." || name.contains(u'/'))
        return {};
    struct stat st;
    if (::fstatat(m_way.back().folder.get(), NativePath::encode(name).constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return {};
    return PosixFiles::statusOf(st);
}

std::optional<std::vector<QByteArray>> folderSteps(QStringView relative)
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

FileDescriptor openBelow(const SearchRoot &root, const std::vector<QByteArray> &steps)
{
    if (!root.valid())
        return FileDescriptor();
    FileDescriptor dir(::open(root.real.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    struct stat st;
    if (!dir.valid() || ::fstat(dir.get(), &st) != 0 || identityOf(st) != root.id)
        return FileDescriptor();
    for (const QByteArray &step : steps)
    {
        dir = FileDescriptor(::openat(dir.get(), step.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!dir.valid())
            break;
    }
    return dir;
}

Location locate(const SearchRoot &root, QStringView relative, const FolderIdentity &folder, const QString &name)
{
    Location location;
    location.found = Found::FolderChanged;
    const auto steps = folderSteps(relative);
    if (!steps || name.isEmpty() || name.contains(u'/'))
        return location;
    FileDescriptor dir = openBelow(root, *steps);
    struct stat st;
    if (!dir.valid() || ::fstat(dir.get(), &st) != 0 || identityOf(st) != folder)
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

namespace
{
// Opens both files for reading; a Comparison when that fails or either is not the file of its
// status any more.
std::optional<Comparison> openBoth(const LocatedFile &a, const LocatedFile &b, FileDescriptor &fa, FileDescriptor &fb)
{
    fa = PosixFiles::openRegularAt(a.folder.get(), a.name.constData());
    fb = PosixFiles::openRegularAt(b.folder.get(), b.name.constData());
    if (!fa.valid() || !fb.valid())
        return Comparison::Unreadable;
    if (!stillAsFound(fa, a) || !stillAsFound(fb, b))
        return Comparison::Changed;
    return std::nullopt;
}
} // namespace

Comparison compareContents(const LocatedFile &a, const LocatedFile &b, const std::function<void()> &pulse)
{
    FileDescriptor fa;
    FileDescriptor fb;
    if (const std::optional<Comparison> failed = openBoth(a, b, fa, fb))
        return *failed;
    if (a.status.size != b.status.size)
        return Comparison::Different;
    ::posix_fadvise(fa.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    ::posix_fadvise(fb.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    const int same = PosixFiles::compareContents(fa.get(), fb.get(), pulse);
    // A write while the files were read could make two different files read alike.
    if (!stillAsFound(fa, a) || !stillAsFound(fb, b))
        return Comparison::Changed;
    if (same < 0)
        return Comparison::Unreadable;
    return same == 0 ? Comparison::Same : Comparison::Different;
}

Comparison compareBlocks(const LocatedFile &a, const LocatedFile &b, qint64 block,
                         const std::function<bool(qint64 equal, qint64 blocks)> &alike,
                         const std::function<void()> &pulse)
{
    FileDescriptor fa;
    FileDescriptor fb;
    if (const std::optional<Comparison> failed = openBoth(a, b, fa, fb))
        return *failed;
    const qint64 blocks = a.status.size / block;
    if (a.status.size != b.status.size || blocks == 0)
        return Comparison::Different;
    // Reads of many whole blocks; only whole blocks are compared.
    const qint64 chunk = block * std::max<qint64>(1, (qint64(1) << 20) / block);
    const auto x = std::make_unique_for_overwrite<char[]>(static_cast<size_t>(chunk));
    const auto y = std::make_unique_for_overwrite<char[]>(static_cast<size_t>(chunk));
    qint64 equal = 0;
    for (qint64 offset = 0; offset < blocks * block; offset += chunk)
    {
        const qint64 want = std::min(chunk, blocks * block - offset);
        if (::pread(fa.get(), x.get(), static_cast<size_t>(want), offset) != want ||
            ::pread(fb.get(), y.get(), static_cast<size_t>(want), offset) != want)
            return stillAsFound(fa, a) && stillAsFound(fb, b) ? Comparison::Unreadable : Comparison::Changed;
        for (qint64 k = 0; k < want; k += block)
        {
            if (std::memcmp(x.get() + k, y.get() + k, static_cast<size_t>(block)) == 0)
                ++equal;
        }
        if (pulse)
            pulse();
    }
    if (!stillAsFound(fa, a) || !stillAsFound(fb, b))
        return Comparison::Changed;
    return alike(equal, blocks) ? Comparison::Same : Comparison::Different;
}

Comparison comparePictures(const LocatedFile &a, const LocatedFile &b, PictureLevel level)
{
    FileDescriptor fa;
    FileDescriptor fb;
    if (const std::optional<Comparison> failed = openBoth(a, b, fa, fb))
        return *failed;
    const auto decode = [](const FileDescriptor &fd) -> std::optional<PictureFacts> {
        QFile file;
        if (!file.open(fd.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
            return std::nullopt;
        return PictureHash::read(file);
    };
    const std::optional<PictureFacts> x = decode(fa);
    const std::optional<PictureFacts> y = decode(fb);
    // A write while the files were decoded could make two different pictures look alike.
    if (!stillAsFound(fa, a) || !stillAsFound(fb, b))
        return Comparison::Changed;
    return x && y && PictureHash::alike(*x, *y, level) ? Comparison::Same : Comparison::Different;
}

bool maybeSameFile(const LocatedFile &a, const LocatedFile &b)
{
    const FileStatus &x = a.status;
    const FileStatus &y = b.status;
    if (x.inode == y.inode && (x.device == y.device || (x.size == y.size && x.mtimeNs == y.mtimeNs)))
        return true;
    // Another mount of one file shows its times as they are; a copy on another disk gets a
    // status-change time of its own, even when its modification time was kept.
    return x.device != y.device && x.size == y.size && x.mtimeNs == y.mtimeNs && x.ctimeNs == y.ctimeNs;
}

FileOpResult renameInFolder(const LocatedFile &file, const QString &newName)
{
    const QByteArray to = NativePath::encode(newName);
    if (to.isEmpty() || to == "." || to == ".." || to.contains('/'))
        return FileOpResult::failure(FileOpError::System, EINVAL);
    const int dir = file.folder.get();
    const char *from = file.name.constData();
    if (!PosixFiles::matchesAt(dir, from, file.status))
        return FileOpResult::failure(FileOpError::Changed);
    const QString target = file.path.left(file.path.size() - NativePath::decode(file.name).size()) + newName;
    int e = PosixFiles::renameNoReplaceAt(dir, from, dir, to.constData());
    struct stat st;
    if (e == EEXIST && ::fstatat(dir, to.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
        st.st_dev == file.status.device && st.st_ino == file.status.inode &&
        NativePath::decode(file.name).compare(newName, Qt::CaseInsensitive) == 0)
    {
        // The new name reaches the file itself: a change of letter case on a file system that
        // ignores case.
        e = ::renameat(dir, from, dir, to.constData()) == 0 ? 0 : errno;
    }
    else if (e == EXDEV)
    {
        // A file system with neither no-replace renames nor hard links: look, then rename.
        e = ::fstatat(dir, to.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 ? EEXIST
            : ::renameat(dir, from, dir, to.constData()) == 0             ? 0
                                                                          : errno;
    }
    if (e != 0)
        return FileOpResult::failure(FileOpError::System, e);
    if (PosixFiles::matchesAt(dir, to.constData(), file.status))
        return FileOpResult::success(target);
    // Another file took the old name between the last look and the rename: it goes back.
    PosixFiles::renameNoReplaceAt(dir, to.constData(), dir, from);
    return FileOpResult::failure(FileOpError::Changed);
}
} // namespace AnchoredFiles
