// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/CompareAhead.h"

#include "engine/SearchThreads.h"

#include <algorithm>
#include <chrono>

namespace
{
// How long the scan waits for an answer before it asks its sink again (cancel stays responsive).
constexpr std::chrono::milliseconds PollInterval{15};
} // namespace

CompareAhead::CompareAhead(ContentGroups::Method method, int workers, const FileList &files, const ListedHashes *hashes)
    : m_method(method), m_files(files), m_hashes(hashes)
{
    const int count = std::max(1, workers);
    m_workers.reserve(static_cast<size_t>(count));
    for (int w = 0; w < count; ++w)
        m_workers.emplace_back([this] { work(); });
}

CompareAhead::~CompareAhead()
{
    stop();
    for (std::thread &t : m_workers)
        t.join();
}

int CompareAhead::workerCount()
{
    return SearchThreads::count();
}

void CompareAhead::submit(std::vector<FileList::Index> records)
{
    auto job = std::make_shared<Job>();
    job->records = std::move(records);
    job->tally.alsoRead = &m_bytesAhead;
    {
        const std::lock_guard lock(m_mutex);
        m_queuedFiles += static_cast<qsizetype>(job->records.size());
        m_unstarted.push_back(job);
        m_queue.push_back(std::move(job));
    }
    m_jobArrived.notify_one();
}

qsizetype CompareAhead::queuedGroups() const
{
    const std::lock_guard lock(m_mutex);
    return static_cast<qsizetype>(m_queue.size());
}

qsizetype CompareAhead::queuedFiles() const
{
    const std::lock_guard lock(m_mutex);
    return m_queuedFiles;
}

qint64 CompareAhead::bytesReadAhead() const
{
    return m_bytesAhead.load(std::memory_order_relaxed);
}

CompareAhead::Answer CompareAhead::take(const std::vector<FileList::Index> &records, const std::function<bool()> &poll)
{
    std::shared_ptr<Job> job;
    {
        const std::lock_guard lock(m_mutex);
        const auto it = std::find_if(m_queue.begin(), m_queue.end(),
                                     [&](const auto &queued) { return queued->records == records; });
        if (it == m_queue.end())
        {
            ++m_unanswered;
            return {};
        }
        drop(static_cast<size_t>(it - m_queue.begin()));
        job = m_queue.front();
    }
    for (;;)
    {
        {
            std::unique_lock lock(m_mutex);
            if (m_jobDone.wait_for(lock, PollInterval, [&] { return job->done || m_stop; }))
            {
                if (!job->done)
                    return {Answer::Stopped, {}, {}};
                m_queuedFiles -= static_cast<qsizetype>(job->records.size());
                m_bytesAhead.fetch_sub(job->tally.bytesRead.load(std::memory_order_relaxed));
                m_queue.pop_front();
                if (!job->found)
                {
                    ++m_unanswered;
                    return {};
                }
                return {Answer::Found, std::move(job->groups), std::move(job->tally.unreadable)};
            }
        }
        // The sink is asked without the lock held: it may run the event loop.
        if (!poll())
        {
            stop();
            return {Answer::Stopped, {}, {}};
        }
    }
}

void CompareAhead::drop(size_t count)
{
    for (size_t k = 0; k < count; ++k)
    {
        Job &job = *m_queue.front();
        job.dropped = true;
        // A worker may still be reading it: it takes off the rest when it ends.
        job.takenOff = job.tally.bytesRead.load(std::memory_order_relaxed);
        m_bytesAhead.fetch_sub(job.takenOff);
        m_queuedFiles -= static_cast<qsizetype>(job.records.size());
        m_queue.pop_front();
    }
}

void CompareAhead::stop()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_jobArrived.notify_all();
}

void CompareAhead::work()
{
    for (;;)
    {
        std::shared_ptr<Job> job;
        {
            std::unique_lock lock(m_mutex);
            m_jobArrived.wait(lock, [&] { return m_stop || !m_unstarted.empty(); });
            if (m_stop)
                return;
            job = std::move(m_unstarted.front());
            m_unstarted.pop_front();
        }
        if (job->dropped)
            continue;
        const ContentGroups::KeepGoing keepGoing = [this, &job] { return !m_stop && !job->dropped; };
        std::optional<ContentGroups::Groups> groups;
        try
        {
            groups = ContentGroups::find(m_method, ContentGroups::RecordMembers(m_files, job->records, m_hashes),
                                         keepGoing, &job->tally);
        }
        catch (...)
        {
            // The scan compares the group itself, where a failure is reported with Retry and Abort.
        }
        {
            const std::lock_guard lock(m_mutex);
            job->found = groups.has_value();
            if (groups)
                job->groups = std::move(*groups);
            job->done = true;
            if (job->dropped)
                m_bytesAhead.fetch_sub(job->tally.bytesRead.load(std::memory_order_relaxed) - job->takenOff);
        }
        m_jobDone.notify_all();
    }
}
