// SPDX-License-Identifier: GPL-3.0-or-later
// Candidate groups compared ahead of the scan on worker threads, answered in the scan's order.
#pragma once

#include "engine/ContentGroups.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

/// The scan queues each candidate group as soon as it sees it coming and takes the answers back
/// as it reaches the groups, so the result is exactly that of comparing the groups one after the
/// other; meanwhile the workers read the files of the next groups. Workers only ever see the
/// members of a queued group (records of the scan's FileList, which nobody changes while the
/// workers run): never the scan's state, never its sink.
class CompareAhead
{
public:
    /// Starts `workers` threads (at least one) comparing records of `files`, with the walk's hashes
    /// of their bytes when there are any (the walk is over before the first group is queued).
    CompareAhead(ContentGroups::Method method, int workers, const FileList &files,
                 const ListedHashes *hashes = nullptr);
    /// Stops the work still queued and waits for the workers.
    ~CompareAhead();
    CompareAhead(const CompareAhead &) = delete;
    CompareAhead &operator=(const CompareAhead &) = delete;

    /// One worker per processor, at most four.
    static int workerCount();
    /// The workers started.
    qsizetype workers() const { return static_cast<qsizetype>(m_workers.size()); }

    /// Queues a candidate group, given as its members' record numbers.
    void submit(std::vector<FileList::Index> records);
    /// Groups and files queued and not yet taken.
    qsizetype queuedGroups() const;
    qsizetype queuedFiles() const;
    /// How many groups take() had no answer for: each was compared by the scan itself.
    qsizetype unanswered() const { return m_unanswered; }
    /// The bytes the workers have read of the groups queued and not yet taken.
    qint64 bytesReadAhead() const;

    struct Answer
    {
        enum Kind
        {
            Found,     // groups holds the answer
            NotQueued, // no queued group has these members, or its worker failed: compare it here
            Stopped,   // poll answered false: every worker has been told to stop
        };
        Kind kind = NotQueued;
        ContentGroups::Groups groups;
        std::vector<qsizetype> unreadable; // Found: members that could not be read
    };

    /// The answer for the queued group with exactly these members (the first such); groups
    /// queued before it are dropped unanswered. While waiting, asks poll() every few
    /// milliseconds; when poll() throws, the group stays queued for the next call.
    Answer take(const std::vector<FileList::Index> &records, const std::function<bool()> &poll);

private:
    struct Job
    {
        std::vector<FileList::Index> records;
        ContentGroups::Groups groups;
        ContentGroups::Tally tally;
        bool done = false;
        bool found = false;               // groups is the answer (else the worker failed)
        std::atomic<bool> dropped{false}; // nobody will take the answer
        qint64 takenOff = 0;              // its bytes read when it was dropped, no longer in m_bytesAhead
    };

    void work();
    void stop();
    void drop(size_t count);

    const ContentGroups::Method m_method;
    const FileList &m_files;
    const ListedHashes *const m_hashes;
    mutable std::mutex m_mutex;
    std::condition_variable m_jobArrived;
    std::condition_variable m_jobDone;
    std::deque<std::shared_ptr<Job>> m_queue;     // every job not yet taken, oldest first
    std::deque<std::shared_ptr<Job>> m_unstarted; // the jobs no worker has begun
    qsizetype m_queuedFiles = 0;
    // The bytes read of the jobs in m_queue: every job adds what it reads, and what a job taken or
    // dropped had read is taken off again, so the scan need not add up the whole queue each time.
    std::atomic<qint64> m_bytesAhead{0};
    qsizetype m_unanswered = 0; // only the scan's thread counts
    std::atomic<bool> m_stop{false};
    std::vector<std::thread> m_workers;
};
