// SPDX-License-Identifier: GPL-3.0-or-later
// What a file looks like now: enough to tell whether it is still the file a scan saw.
#pragma once

#include <QDateTime>
#include <QString>

struct FileStatus
{
    bool present = false; // something, of any kind, is at the path
    bool exists = false;  // a regular file (not a link, a folder or a device)
    qint64 size = 0;
    qint64 stamp = 0;   // last modified as yyyymmddhhnnss in local time, as the result rows keep it
    qint64 mtime = 0;   // last modified in seconds since the epoch
    qint64 mtimeNs = 0; // the same in nanoseconds, wrapping around beyond the years 1677 to 2262
    qint64 ctimeNs = 0; // last status change (any write, rename or new owner), nanoseconds
    quint64 device = 0;
    quint64 inode = 0;

    /// True when both describe the same unchanged regular file.
    bool sameFileAs(const FileStatus &other) const
    {
        return exists && other.exists && device == other.device && inode == other.inode && size == other.size &&
               mtimeNs == other.mtimeNs;
    }
};

/// One lstat of the path; exists is false for anything but a regular file.
FileStatus statFile(const QString &path);

/// What the properties window shows.
struct FileDetails
{
    bool exists = false;
    bool isFolder = false;
    qint64 size = 0;
    QDateTime modified;
    QDateTime accessed;
    QDateTime changed;   // the status change (permissions, owner, links)
    QDateTime created;   // invalid when the file system does not keep it
    QString permissions; // "-rw-r--r-- (0644)"
    QString owner;
    QString group;
};

FileDetails fileDetails(const QString &path);
