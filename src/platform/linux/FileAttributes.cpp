// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/FileAttributes.h"

#include <QByteArray>
#include <QList>

#include <cerrno>
#include <map>
#include <optional>

#include <sys/stat.h>
#include <sys/xattr.h>

namespace
{
using Attributes = std::map<QByteArray, QByteArray>;

// Reads with a size that may grow between asking and reading, as a list or a value can.
template <typename Read> std::optional<QByteArray> readGrowing(Read read)
{
    for (int attempt = 0; attempt < 4; ++attempt)
    {
        const ssize_t size = read(nullptr, 0);
        if (size < 0)
            return errno == ENOTSUP ? std::optional(QByteArray()) : std::nullopt;
        QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
        const ssize_t got = read(bytes.data(), bytes.size());
        if (got >= 0)
        {
            bytes.truncate(got);
            return bytes;
        }
        if (errno != ERANGE)
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<Attributes> attributesOf(int fd)
{
    const std::optional<QByteArray> names =
        readGrowing([fd](char *buffer, qsizetype size) { return ::flistxattr(fd, buffer, static_cast<size_t>(size)); });
    if (!names)
        return std::nullopt;
    Attributes attributes;
    for (const QByteArray &name : names->split('\0'))
    {
        if (name.isEmpty())
            continue;
        const std::optional<QByteArray> value = readGrowing([&](char *buffer, qsizetype size) {
            return ::fgetxattr(fd, name.constData(), buffer, static_cast<size_t>(size));
        });
        if (!value)
            return std::nullopt;
        attributes.emplace(name, *value);
    }
    return attributes;
}
} // namespace

namespace FileAttributes
{
bool same(int a, int b)
{
    struct stat x;
    struct stat y;
    if (::fstat(a, &x) != 0 || ::fstat(b, &y) != 0)
        return false;
    if (x.st_uid != y.st_uid || x.st_gid != y.st_gid || x.st_mode != y.st_mode)
        return false;
    const std::optional<Attributes> ax = attributesOf(a);
    const std::optional<Attributes> ay = attributesOf(b);
    return ax && ay && *ax == *ay;
}

bool copy(int from, int to)
{
    struct stat st;
    const std::optional<Attributes> wanted = attributesOf(from);
    const std::optional<Attributes> own = attributesOf(to);
    if (::fstat(from, &st) != 0 || !wanted || !own)
        return false;
    if (::fchown(to, st.st_uid, st.st_gid) != 0 || ::fchmod(to, st.st_mode & 07777) != 0)
        return false;
    for (const auto &[name, value] : *own)
    {
        if (!wanted->count(name) && ::fremovexattr(to, name.constData()) != 0)
            return false;
    }
    // An access ACL sets the group bits of the mode from its mask, as it did on the original.
    for (const auto &[name, value] : *wanted)
    {
        if (::fsetxattr(to, name.constData(), value.constData(), static_cast<size_t>(value.size()), 0) != 0)
            return false;
    }
    return same(from, to);
}
} // namespace FileAttributes
