// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileStatus.h"

#include "platform/NativePath.h"
#include "platform/linux/PosixFiles.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace
{
QDateTime timeOf(const struct statx_timestamp &ts)
{
    // tmpfs keeps any 64-bit time a program sets; its milliseconds must still fit in 64 bits.
    constexpr qint64 Most = std::numeric_limits<qint64>::max() / 1000 - 1;
    return QDateTime::fromMSecsSinceEpoch(std::clamp<qint64>(ts.tv_sec, -Most, Most) * 1000 + ts.tv_nsec / 1000000);
}

QString permissionText(mode_t mode)
{
    QString text = S_ISDIR(mode) ? QStringLiteral("d") : S_ISLNK(mode) ? QStringLiteral("l") : QStringLiteral("-");
    const char *const letters = "rwxrwxrwx";
    for (int bit = 0; bit < 9; ++bit)
        text += (mode & (0400 >> bit)) ? QChar::fromLatin1(letters[bit]) : u'-';
    return text + QStringLiteral(" (%1)").arg(mode & 07777, 4, 8, QChar(u'0'));
}

QString userName(uid_t uid)
{
    struct passwd pw;
    struct passwd *found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(uid, &pw, buffer.data(), buffer.size(), &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return QString::number(uid);
}

QString groupName(gid_t gid)
{
    struct group gr;
    struct group *found = nullptr;
    std::vector<char> buffer(16384);
    if (::getgrgid_r(gid, &gr, buffer.data(), buffer.size(), &found) == 0 && found)
        return QString::fromLocal8Bit(found->gr_name);
    return QString::number(gid);
}
} // namespace

FileStatus statFile(const QString &path)
{
    struct stat st;
    if (path.isEmpty() || ::lstat(NativePath::encode(path).constData(), &st) != 0)
        return {};
    return PosixFiles::statusOf(st);
}

FileDetails fileDetails(const QString &path)
{
    FileDetails d;
    struct statx sx;
    const unsigned mask = STATX_BASIC_STATS | STATX_BTIME;
    if (path.isEmpty() || ::statx(AT_FDCWD, NativePath::encode(path).constData(), AT_SYMLINK_NOFOLLOW, mask, &sx) != 0)
        return d;
    d.exists = true;
    d.isFolder = S_ISDIR(sx.stx_mode);
    d.size = static_cast<qint64>(sx.stx_size);
    d.modified = timeOf(sx.stx_mtime);
    d.accessed = timeOf(sx.stx_atime);
    d.changed = timeOf(sx.stx_ctime);
    if (sx.stx_mask & STATX_BTIME)
        d.created = timeOf(sx.stx_btime);
    d.permissions = permissionText(sx.stx_mode);
    d.owner = userName(sx.stx_uid);
    d.group = groupName(sx.stx_gid);
    return d;
}
