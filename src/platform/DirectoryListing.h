// SPDX-License-Identifier: GPL-3.0-or-later
// One folder's entries as the file system lists them, with the details the walk needs.
#pragma once

#include "platform/FileDescriptor.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <vector>

namespace DirectoryListing
{
/// A file's identity on this machine: two paths with the same identity reach the same file.
struct FileId
{
    quint64 device = 0;
    quint64 inode = 0;

    bool operator==(const FileId &) const = default;
};

inline size_t qHash(const FileId &id, size_t seed = 0) noexcept
{
    return static_cast<size_t>((id.inode * 0x9E3779B97F4A7C15ULL) ^ id.device ^ seed);
}

enum class Kind : quint8
{
    File,   // a regular file
    Folder, // a real folder (a symbolic link to one is Other)
    Other,  // symbolic links, FIFOs, sockets, devices: never recorded, never entered
};

struct Entry
{
    QString name; // reversible text (NativePath)
    Kind kind = Kind::Other;
    bool hasDetails = false; // size, time and id below were read
    qint64 size = 0;
    qint64 mtime = 0; // seconds since the epoch
    FileId id;
    quint64 links = 0; // names the file has (hard links)
    // A hash of the whole file's bytes, read while the folder was open (see list's hashUpTo).
    bool hashed = false;
    quint64 hash = 0;
};

/// The hash list() gives a file's bytes. Equal bytes always give equal hashes, so unequal hashes
/// prove two files differ; equal hashes prove nothing.
quint64 contentHash(const char *data, size_t size);

/// Reads the entries of `folder` ("." and ".." left out) in the order the system gives them.
/// Files for which wantDetails(name) is true get their size, time and identity (one stat each,
/// without following links); a file whose stat fails becomes Other. With noFollow the folder
/// itself is not opened through a symbolic link. Returns false when the folder cannot be listed;
/// folderId then stays unchanged. With `in`, the open folder that `folder` lies straight in, it is
/// opened by its name there, so the system looks up one name rather than every folder of the path
/// again; `kept`, when given, receives the folder listed, still open, for its own sub-folders. A
/// file with details of 1 to `hashUpTo` bytes is also opened by its name in the open folder (never
/// through a link, never waiting on a FIFO) and, when it is still the regular file of that stat
/// and length, read whole and hashed.
bool list(const QString &folder, bool noFollow, const std::function<bool(QStringView)> &wantDetails,
          std::vector<Entry> &entries, FileId *folderId = nullptr, const FileDescriptor *in = nullptr,
          FileDescriptor *kept = nullptr, qint64 hashUpTo = 0);
} // namespace DirectoryListing
