// SPDX-License-Identifier: GPL-3.0-or-later
// The groups that pairwise comparison of one candidate group gives, found by reading each file
// at most once: exact content read in step, CRC-32 once per file, fuzzy over block digests.
#pragma once

#include "engine/FileList.h"
#include "engine/ListedHashes.h"
#include "platform/FileDescriptor.h"
#include "platform/ReadOnlyFile.h"

#include <QString>

#include <atomic>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

namespace ContentGroups
{
/// The folder one thread last opened a member's file in: the next member there is opened by its
/// name alone, without the system looking up every folder of its path again.
struct OpenedFolder
{
    quint32 number = std::numeric_limits<quint32>::max(); // the member list's number for it
    FileDescriptor fd;
};

/// The files of one candidate group. A member's path is made when its file is opened, so that a
/// group of a million files does not hold a million paths.
class Members
{
public:
    virtual ~Members() = default;
    virtual qsizetype count() const = 0;
    virtual QString path(qsizetype m) const = 0;
    /// The length the walk saw, or -1: only a hint for the size of reads.
    virtual qint64 expectedSize(qsizetype m) const
    {
        Q_UNUSED(m);
        return -1;
    }
    /// A hash of member m's whole bytes as the walk read them (ListedHashes), if it did.
    virtual std::optional<quint64> listedHash(qsizetype m) const
    {
        Q_UNUSED(m);
        return std::nullopt;
    }
    /// Members opened in ascending order of this number open a folder's files one after another.
    virtual quint32 locality(qsizetype m) const { return static_cast<quint32>(m); }
    /// Opens member m's file as ReadOnlyFile::open opens its path. `folder`, when given, is the
    /// calling thread's, which a member of the same folder uses and a member of another replaces:
    /// given when more members of the same locality are opened next.
    virtual bool open(qsizetype m, ReadOnlyFile &file, OpenedFolder *folder) const
    {
        Q_UNUSED(folder);
        return file.open(path(m));
    }
};

/// Members given by their full paths.
class PathMembers : public Members
{
public:
    explicit PathMembers(const std::vector<QString> &paths) : m_paths(paths) {}
    qsizetype count() const override { return static_cast<qsizetype>(m_paths.size()); }
    QString path(qsizetype m) const override { return m_paths[static_cast<size_t>(m)]; }

private:
    const std::vector<QString> &m_paths;
};

/// Members given as records of a scan's FileList, with the hashes the walk made of them, if any.
class RecordMembers : public Members
{
public:
    RecordMembers(const FileList &files, const std::vector<FileList::Index> &records,
                  const ListedHashes *hashes = nullptr)
        : m_files(files), m_records(records), m_hashes(hashes)
    {}
    qsizetype count() const override { return static_cast<qsizetype>(m_records.size()); }
    QString path(qsizetype m) const override { return m_files.fullPath(m_records[static_cast<size_t>(m)]); }
    qint64 expectedSize(qsizetype m) const override { return m_files.size(m_records[static_cast<size_t>(m)]); }
    quint32 locality(qsizetype m) const override { return m_files.folderIndex(m_records[static_cast<size_t>(m)]); }
    std::optional<quint64> listedHash(qsizetype m) const override
    {
        return m_hashes ? m_hashes->find(m_records[static_cast<size_t>(m)]) : std::nullopt;
    }
    bool open(qsizetype m, ReadOnlyFile &file, OpenedFolder *folder) const override;

private:
    const FileList &m_files;
    const std::vector<FileList::Index> &m_records;
    const ListedHashes *m_hashes;
};

/// Groups as indices into the member list: each group in ascending order, groups in order of
/// their first members; only groups of two or more.
using Groups = std::vector<std::vector<qsizetype>>;

/// Asked between steps (and between large reads); false stops the search, which then answers
/// nothing.
using KeepGoing = std::function<bool()>;

/// How files are compared: Byte to Byte exact or fuzzy, or CRC32.
enum class Method
{
    Exact,
    Fuzzy,
    Crc,
};

/// What a search tells besides its groups. bytesRead may be read from any thread while the search
/// runs; unreadable is complete once the search has returned.
struct Tally
{
    std::atomic<qint64> bytesRead{0};  // bytes of the members read so far
    std::vector<qsizetype> unreadable; // members that could not be opened or read, ascending
    // When set, the bytes read are added here as well: one sum over the searches running at once.
    std::atomic<qint64> *alsoRead = nullptr;
};

/// Makes room for every file searches may hold open at once, so that holding many files open never
/// waits for the table of open files to grow, and lets the large tables of one phase of a search go
/// back to the system before the next. Called at the start of a program, before it starts any
/// thread.
void prepareProcess();

/// The groups of `method`: one of the functions below. Safe to call from several threads at once.
/// With a tally, the bytes read and the members that could not be read are counted there.
std::optional<Groups> find(Method method, const Members &members, const KeepGoing &keepGoing, Tally *tally = nullptr);
inline std::optional<Groups> find(Method method, const std::vector<QString> &paths, const KeepGoing &keepGoing,
                                  Tally *tally = nullptr)
{
    return find(method, PathMembers(paths), keepGoing, tally);
}

/// Files of the same current length and the same bytes. A file that cannot be opened or read
/// matches nothing. Reads every set of still-equal files block by block in step and splits it
/// where contents differ, with a bounded number of open files and bounded memory. When every
/// member has a listed hash, the set is first split by those: a member whose hash no other member
/// shares is different from all of them and is not opened at all.
std::optional<Groups> exact(const Members &members, const KeepGoing &keepGoing, Tally *tally = nullptr);

/// Files whose CRC-32 checksums are equal, each checksum computed once.
std::optional<Groups> crc(const Members &members, const KeepGoing &keepGoing, Tally *tally = nullptr);

/// The fuzzy rule of compareFilesFuzzy applied pairwise in member order (a file joins the group
/// of the first earlier file it matches that is not itself taken), over per-file digests of the
/// whole 1000-byte blocks read once per file.
std::optional<Groups> fuzzy(const Members &members, const KeepGoing &keepGoing, Tally *tally = nullptr);
} // namespace ContentGroups
