// SPDX-License-Identifier: GPL-3.0-or-later
// Files reached from their search location without following a link, and acted on relative to
// the folder that holds them, so that a link put into a path after the search cannot redirect
// a delete or a move to a file the search never saw.
#pragma once

#include "platform/FileDescriptor.h"
#include "platform/FileOpResult.h"
#include "platform/FileStatus.h"
#include "platform/PictureHash.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>
#include <vector>

/// A folder's identity on this machine.
struct FolderIdentity
{
    quint64 device = 0;
    quint64 inode = 0;

    bool operator==(const FolderIdentity &) const = default;
};

inline size_t qHash(const FolderIdentity &id, size_t seed = 0) noexcept
{
    return qHashMulti(seed, id.device, id.inode);
}

/// A search location as it was when its files were listed: the folder as the user gave it
/// (ending with "/"), the same folder with every link resolved, and its identity. A location
/// that is itself a link, or lies on a linked mount, is reached through its resolved path.
struct SearchRoot
{
    QString folder;
    QByteArray real;
    FolderIdentity id;

    bool valid() const { return !real.isEmpty(); }
};

/// A regular file found in its folder, with that folder held open: whatever happens to the path
/// afterwards, an act on the file lands in this folder.
struct LocatedFile
{
    FileDescriptor folder;
    QByteArray name;
    QString path;      // folder + name as listed, for messages and the trash's record
    FileStatus status; // what the file was when it was found
};

namespace AnchoredFiles
{
/// Resolves a search location once; invalid when it is not a folder now.
SearchRoot resolveRoot(const QString &folder);

/// The folders below one search location that are reached from it through real folders only:
/// each step is opened in the folder above it without following a link. The folders from the root
/// down to the last one asked for stay open, so that folders asked for in the order of their texts
/// (a folder's sub-folders after it) are each opened once, and a file is looked at in its open
/// folder, without a path looked up again from the top.
class FolderResolver
{
public:
    explicit FolderResolver(SearchRoot root);

    const SearchRoot &root() const { return m_root; }
    /// The identity of the folder `relative` below the root ("" for the root itself, else
    /// "a/b/"); none when a step is a link, not a folder, missing, or "." or "..".
    std::optional<FolderIdentity> identity(QStringView relative);
    /// The identities of the folders from the root down to the one identity() last found, both
    /// included.
    std::vector<FolderIdentity> way() const;
    /// The status of `name` in the folder identity() last found, without following a link; a
    /// status that does not exist when that call found none.
    FileStatus statusOf(const QString &name) const;

private:
    struct Step
    {
        QString relative; // without a final "/"
        FileDescriptor folder;
        FolderIdentity id;
    };

    SearchRoot m_root;
    std::vector<Step> m_way; // the root, then each folder down to the last one found
    bool m_found = false;    // the last identity() found its folder, the last step of m_way
};

enum class Found
{
    File,          // a regular file, described by the file's status
    Gone,          // nothing of that name in the folder
    NotAFile,      // something else has the name: a link, a folder, a device
    FolderChanged, // the root or the folder is not the one recorded, or a step down is a link
};

struct Location
{
    Found found = Found::Gone;
    LocatedFile file;
};

/// The names of the folders in relative ("a/b/"), or none when one is "." or "..": a path that
/// climbs out again could name a folder outside the location while its text starts inside it.
std::optional<std::vector<QByteArray>> folderSteps(QStringView relative);

/// Opens the root and checks its identity, then opens each of `steps` below it from the one
/// before without following a link; invalid when any of that fails.
FileDescriptor openBelow(const SearchRoot &root, const std::vector<QByteArray> &steps);

/// Opens the root, checks its identity, opens each folder of `relative` below it without
/// following a link, checks the last folder's identity, and looks at `name` there without
/// following it.
Location locate(const SearchRoot &root, QStringView relative, const FolderIdentity &folder, const QString &name);

/// True while the name in the located folder is still the file of its status.
bool unchanged(const LocatedFile &file);

enum class Comparison
{
    Same,
    Different,
    Changed,    // a file is not the one its status describes, before or during the read
    Unreadable, // opening or reading failed
};

/// Compares the bytes of both files to their end or to the first difference, and makes sure
/// neither changed while it was read. pulse is called between blocks.
Comparison compareContents(const LocatedFile &a, const LocatedFile &b, const std::function<void()> &pulse = {});

/// Counts the equal blocks of `block` bytes of two files of one size (a trailing part block does
/// not count) and asks `alike(equal, blocks)` for the verdict: Same when it says yes, Different
/// when not or when the sizes differ or no whole block exists; Changed as compareContents.
Comparison compareBlocks(const LocatedFile &a, const LocatedFile &b, qint64 block,
                         const std::function<bool(qint64 equal, qint64 blocks)> &alike,
                         const std::function<void()> &pulse = {});

/// Decodes both files as pictures and says Same when their hashes are within the level's limits
/// (PictureHash::alike), Different when not or when either is no picture it reads; Changed as
/// compareContents.
Comparison comparePictures(const LocatedFile &a, const LocatedFile &b, PictureLevel level);

/// True when the two may be one file seen twice: the same device and inode (a second name, a bind
/// mount), or, on two devices, the same inode number, size and modification time, or the same
/// size, modification and status-change times (an overlay, a network or FUSE mount of the same
/// disk). Such a pair can never prove that the contents of one survive in the other.
bool maybeSameFile(const LocatedFile &a, const LocatedFile &b);

/// Renames the file within its folder to newName, never replacing another file (a change of
/// letter case only, on a file system that ignores case, is allowed); the file that arrives under
/// the new name must be the located one, anything else is put back (FileOpError::Changed).
FileOpResult renameInFolder(const LocatedFile &file, const QString &newName);
} // namespace AnchoredFiles
