// SPDX-License-Identifier: GPL-3.0-or-later
// Folders listed ahead of the walk on worker threads, handed over when the walk gets there.
#pragma once

#include "platform/DirectoryListing.h"

#include <QHash>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

/// The walk itself stays in one thread and keeps its order; the workers only do the system calls
/// of listing folders (open, read the entries, one stat per wanted file), in the order the walk
/// will need them: depth first, in the order of the sub-folders each listing names. A folder the
/// workers have not begun is listed by the walk itself. A listed folder stays open until each of
/// its sub-folders has been opened by its name in it, by whichever thread lists it.
class ListAhead
{
public:
    /// Which files of a folder get details; called on worker threads, so it holds its own copies.
    using WantDetails = std::function<bool(QStringView)>;

    struct Folder
    {
        QString path; // ending with "/"
        WantDetails wantDetails;
    };

    /// The sub-folders of a listed folder that the walk will enter, in the order it enters them.
    /// Called on worker threads, so it holds its own copies.
    using SubFolders =
        std::function<std::vector<Folder>(const QString &folder, const std::vector<DirectoryListing::Entry> &entries)>;

    /// Starts `workers` threads (none: every folder is listed by the walk). The walk begins at
    /// `location`. Files of up to `hashUpTo` bytes are hashed as DirectoryListing::list hashes them.
    ListAhead(const QString &location, SubFolders subFolders, int workers, qint64 hashUpTo = 0);
    /// Drops the listings not taken and waits for the workers.
    ~ListAhead();
    ListAhead(const ListAhead &) = delete;
    ListAhead &operator=(const ListAhead &) = delete;

    /// What DirectoryListing::list(folder, noFollow, wantDetails, entries, folderId) answers.
    bool list(const QString &folder, bool noFollow, const WantDetails &wantDetails,
              std::vector<DirectoryListing::Entry> &entries, DirectoryListing::FileId *folderId);

private:
    // A folder's place in the walk: the positions of its sub-folders from the location down.
    // In key order the folders come exactly in the order the walk lists them.
    using Key = std::vector<quint32>;

    // A listed folder, open for the listings of its sub-folders; closed when the last has gone.
    using SharedFolder = std::shared_ptr<const FileDescriptor>;

    // The identities of the folders above one, to see a folder met again inside itself.
    struct Ancestry
    {
        DirectoryListing::FileId id;
        std::shared_ptr<const Ancestry> up;
    };

    struct Listing
    {
        Key key;
        Folder folder;
        std::shared_ptr<const Ancestry> above;
        SharedFolder in; // the folder it lies in, while it waits to be listed
        bool started = false;
        bool done = false;
        bool dropped = false; // the walk has gone past it
        bool failed = false;  // threw: the walk lists the folder itself, where a failure is reported
        bool listed = false;
        std::vector<DirectoryListing::Entry> entries;
        DirectoryListing::FileId id;
    };

    void work();
    // Lists the first folder not begun, without the lock while listing (held on entry and exit).
    void listNext(std::unique_lock<std::mutex> &lock);
    // The listings of the sub-folders of `parent`, listed with identity `id`, each to be opened in
    // `folder` when that is open; none when it lies inside itself. Made without the lock: it reads
    // only what never changes once a listing is queued.
    std::vector<std::shared_ptr<Listing>> childrenOf(const Listing &parent, const DirectoryListing::FileId &id,
                                                     std::vector<Folder> subFolders, const SharedFolder &folder) const;
    // Queues those of `children` not queued already, and wakes workers for them.
    void announce(std::vector<std::shared_ptr<Listing>> children);
    // The folder `fd`, listed, shared with its sub-folders' listings; none when it has no
    // sub-folders to list or too many folders are open already (those are opened by path).
    SharedFolder share(FileDescriptor fd, bool hasSubFolders);
    void dropBefore(const Key &key);
    // A listing begun has been taken or dropped.
    void release();

    const SubFolders m_subFolders;
    const qint64 m_hashUpTo;
    std::atomic<int> m_sharedFolders{0}; // open for sub-folders; outlives every listing below
    std::mutex m_mutex;
    std::condition_variable m_wanted;                    // a worker may start a listing
    std::condition_variable m_finished;                  // a listing is done
    std::map<Key, std::shared_ptr<Listing>> m_all;       // not taken, in walk order
    std::map<Key, std::shared_ptr<Listing>> m_waiting;   // not begun, in walk order
    QHash<QString, std::shared_ptr<Listing>> m_byFolder; // not taken
    int m_ahead = 0;                                     // begun and not taken
    bool m_full = false;                                 // the workers pause until the walk has caught up half way
    bool m_stop = false;
    std::vector<std::thread> m_workers;
};
