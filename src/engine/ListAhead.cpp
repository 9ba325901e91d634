// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ListAhead.h"

#include <algorithm>

namespace
{
// Listings begun and not yet taken, at most: the workers stay near the walk, memory stays small.
constexpr int MostAhead = 256;
// Folders held open for their sub-folders, at most: a walk in depth order holds about as many as
// are begun ahead of it plus the folders it is in, and a tree that would need more must not run
// out of descriptors.
constexpr int MostShared = 512;
} // namespace

ListAhead::ListAhead(const QString &location, SubFolders subFolders, int workers, qint64 hashUpTo)
    : m_subFolders(std::move(subFolders)), m_hashUpTo(hashUpTo)
{
    // The walk lists the location itself (through a link, if it is one); not for the workers.
    auto root = std::make_shared<Listing>();
    root->folder.path = location;
    m_all.emplace(root->key, root);
    m_byFolder.insert(location, root);
    const int count = std::max(1, workers);
    m_workers.reserve(static_cast<size_t>(count));
    for (int w = 0; w < count; ++w)
        m_workers.emplace_back([this] { work(); });
}

ListAhead::~ListAhead()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wanted.notify_all();
    for (std::thread &t : m_workers)
        t.join();
}

bool ListAhead::list(const QString &folder, bool noFollow, const WantDetails &wantDetails,
                     std::vector<DirectoryListing::Entry> &entries, DirectoryListing::FileId *folderId)
{
    std::shared_ptr<Listing> listing;
    SharedFolder in;
    {
        std::unique_lock lock(m_mutex);
        listing = m_byFolder.take(folder);
        if (listing)
        {
            // The walk goes in key order: what comes before this folder will not be asked for.
            dropBefore(listing->key);
            m_all.erase(listing->key);
            if (listing->started)
            {
                // Rather than sleep until a worker is done with it, list the next folder meanwhile.
                while (!listing->done)
                {
                    if (!m_waiting.empty())
                        listNext(lock);
                    else
                        m_finished.wait(lock);
                }
                release();
                if (!listing->failed)
                {
                    if (listing->listed && folderId)
                        *folderId = listing->id;
                    entries = std::move(listing->entries);
                    return listing->listed;
                }
            }
            else
            {
                m_waiting.erase(listing->key);
                in = std::move(listing->in);
            }
        }
    }
    DirectoryListing::FileId id;
    FileDescriptor open;
    const bool listed =
        DirectoryListing::list(folder, noFollow, wantDetails, entries, &id, in.get(), &open, m_hashUpTo);
    in.reset();
    if (!listed)
        return false;
    if (folderId)
        *folderId = id;
    if (listing)
    {
        std::vector<Folder> subFolders = m_subFolders(folder, entries);
        const SharedFolder shared = share(std::move(open), !subFolders.empty());
        std::vector<std::shared_ptr<Listing>> children = childrenOf(*listing, id, std::move(subFolders), shared);
        const std::lock_guard lock(m_mutex);
        announce(std::move(children));
    }
    return true;
}

ListAhead::SharedFolder ListAhead::share(FileDescriptor fd, bool hasSubFolders)
{
    if (!hasSubFolders || !fd.valid())
        return {};
    if (m_sharedFolders.fetch_add(1) >= MostShared)
    {
        m_sharedFolders.fetch_sub(1);
        return {};
    }
    return SharedFolder(new FileDescriptor(std::move(fd)), [this](const FileDescriptor *f) {
        delete f;
        m_sharedFolders.fetch_sub(1);
    });
}

std::vector<std::shared_ptr<ListAhead::Listing>> ListAhead::childrenOf(const Listing &parent,
                                                                       const DirectoryListing::FileId &id,
                                                                       std::vector<Folder> subFolders,
                                                                       const SharedFolder &folder) const
{
    std::vector<std::shared_ptr<Listing>> children;
    // A folder met again inside itself (a bind mount) would be listed ever deeper.
    for (const Ancestry *a = parent.above.get(); a; a = a->up.get())
    {
        if (a->id == id)
            return children;
    }
    const auto above = std::make_shared<const Ancestry>(Ancestry{id, parent.above});
    children.reserve(subFolders.size());
    for (size_t i = 0; i < subFolders.size(); ++i)
    {
        auto listing = std::make_shared<Listing>();
        listing->key.reserve(parent.key.size() + 1);
        listing->key = parent.key;
        listing->key.push_back(static_cast<quint32>(i));
        listing->folder = std::move(subFolders[i]);
        listing->above = above;
        listing->in = folder;
        children.push_back(std::move(listing));
    }
    return children;
}

void ListAhead::announce(std::vector<std::shared_ptr<Listing>> children)
{
    size_t queued = 0;
    for (std::shared_ptr<Listing> &listing : children)
    {
        if (m_byFolder.contains(listing->folder.path))
            continue;
        m_all.emplace(listing->key, listing);
        m_waiting.emplace(listing->key, listing);
        m_byFolder.insert(listing->folder.path, listing);
        ++queued;
    }
    if (queued == 1)
        m_wanted.notify_one();
    else if (queued > 1)
        m_wanted.notify_all();
}

void ListAhead::dropBefore(const Key &key)
{
    while (!m_all.empty() && m_all.begin()->first < key)
    {
        const std::shared_ptr<Listing> listing = m_all.begin()->second;
        m_all.erase(m_all.begin());
        m_byFolder.remove(listing->folder.path);
        listing->dropped = true;
        listing->entries.clear();
        listing->in.reset();
        if (listing->started)
            release();
        else
            m_waiting.erase(listing->key);
    }
}

void ListAhead::release()
{
    --m_ahead;
    if (m_full && m_ahead <= MostAhead / 2)
    {
        m_full = false;
        m_wanted.notify_all();
    }
}

void ListAhead::work()
{
    std::unique_lock lock(m_mutex);
    for (;;)
    {
        m_wanted.wait(lock, [&] { return m_stop || (!m_full && !m_waiting.empty()); });
        if (m_stop)
            return;
        listNext(lock);
    }
}

void ListAhead::listNext(std::unique_lock<std::mutex> &lock)
{
    const std::shared_ptr<Listing> listing = m_waiting.begin()->second;
    m_waiting.erase(m_waiting.begin());
    listing->started = true;
    if (++m_ahead >= MostAhead)
        m_full = true;
    SharedFolder in = std::move(listing->in);
    lock.unlock();
    bool listed = false;
    bool failed = false;
    std::vector<DirectoryListing::Entry> entries;
    DirectoryListing::FileId id;
    std::vector<std::shared_ptr<Listing>> children;
    try
    {
        FileDescriptor open;
        listed = DirectoryListing::list(listing->folder.path, true, listing->folder.wantDetails, entries, &id, in.get(),
                                        &open, m_hashUpTo);
        in.reset();
        if (listed)
        {
            std::vector<Folder> subFolders = m_subFolders(listing->folder.path, entries);
            const SharedFolder shared = share(std::move(open), !subFolders.empty());
            children = childrenOf(*listing, id, std::move(subFolders), shared);
        }
    }
    catch (...)
    {
        failed = true;
    }
    lock.lock();
    // Announced before the listing is handed over, so the walk finds its sub-folders queued.
    if (listed && !failed && !listing->dropped)
        announce(std::move(children));
    listing->failed = failed;
    listing->listed = listed;
    listing->id = id;
    if (!listing->dropped)
        listing->entries = std::move(entries);
    listing->done = true;
    m_finished.notify_all();
}
