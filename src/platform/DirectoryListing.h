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
};

/// The folders one thread listed last, held open so that a sub-folder of one is opened by its
/// name in it rather than by its whole path from "/", which the system would look up name by
/// name again. Holds a few descriptors at most, and closes them when it goes.
class OpenFolders
{
public:
    /// The held folder that `folder` (a path ending with "/") lies straight in, or an invalid
    /// descriptor; `name` is then the sub-folder's name in it.
    const FileDescriptor &parentOf(const QString &folder, QStringView &name);
    /// Holds `fd`, the folder just listed at `folder`, in place of the one used longest ago.
    void keep(const QString &folder, FileDescriptor fd);

private:
    struct Held
    {
        QString path;
        FileDescriptor fd;
    };
    // A walk goes depth first: a folder's sub-folders are listed soon after it, and a sibling
    // soon after the one before, so a handful of recent folders serves most of them.
    static constexpr size_t Most = 8;
    std::vector<Held> m_held; // the most recently used last
};

/// Reads the entries of `folder` ("." and ".." left out) in the order the system gives them.
/// Files for which wantDetails(name) is true get their size, time and identity (one stat each,
/// without following links); a file whose stat fails becomes Other. With noFollow the folder
/// itself is not opened through a symbolic link. Returns false when the folder cannot be listed;
/// folderId then stays unchanged. With `held`, a sub-folder of a held folder is opened in it, and
/// the folder listed is held in turn.
bool list(const QString &folder, bool noFollow, const std::function<bool(QStringView)> &wantDetails,
          std::vector<Entry> &entries, FileId *folderId = nullptr, OpenFolders *held = nullptr);
} // namespace DirectoryListing
