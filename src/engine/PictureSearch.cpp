// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PictureSearch.h"

#include "engine/CompareAhead.h"
#include "engine/FileRecord.h"
#include "engine/PictureCache.h"
#include "platform/FileOpen.h"

#include <atomic>
#include <optional>
#include <thread>

namespace
{
// Cache look-ups between two questions whether to go on: each takes microseconds.
constexpr size_t LookUpsPerStep = 256;
} // namespace

namespace PictureSearch
{
QString dimensionsText(const PictureFacts &facts)
{
    // The same in every language, like the sizes in bytes beside it.
    return QString::number(facts.size.width()) + QStringLiteral(" x ") + QString::number(facts.size.height()) + u' ' +
           QString::fromLatin1(facts.format).toUpper();
}

std::vector<ResultRow> find(const FileList &files, PictureLevel level, const std::function<bool()> &keepGoing,
                            const std::function<void(qint64)> &done, PictureCache *cache)
{
    std::vector<FileList::Index> candidates;
    for (FileList::Index i = 0; i < static_cast<FileList::Index>(files.count()); ++i)
    {
        if (files.size(i) > 0)
            candidates.push_back(i);
    }
    // Looked up by the identity the walk saw, here: the cache's connection belongs to this thread.
    // Each entry is checked against the file itself when it is opened.
    std::vector<std::optional<PictureCache::Entry>> known(cache ? candidates.size() : 0);
    for (size_t k = 0; k < known.size(); ++k)
    {
        const DirectoryListing::FileId id = files.id(candidates[k]);
        known[k] = cache->find(id.device, id.inode);
        if (k % LookUpsPerStep == 0 && !keepGoing())
            return {};
    }
    // Decoding is the cost: each worker takes the next file until none is left or the search stops.
    std::vector<std::optional<PictureFacts>> facts(candidates.size());
    std::vector<std::optional<PictureKey>> decoded(cache ? candidates.size() : 0);
    const auto look = [&](size_t k) {
        QFile file;
        FileStatus status;
        if (!FileOpen::forReadingWithStatus(file, files.fullPath(candidates[k]), status).ok())
            return;
        const PictureKey key = PictureKey::of(status);
        if (cache && known[k] && known[k]->key == key)
        {
            facts[k] = known[k]->facts;
            return;
        }
        facts[k] = PictureHash::read(file);
        if (cache && facts[k])
            decoded[k] = key;
    };
    std::atomic<size_t> next{0};
    std::atomic<qint64> finished{0};
    std::atomic<bool> stop{false};
    const auto work = [&] {
        for (size_t k = next++; k < candidates.size() && !stop; k = next++)
        {
            look(k);
            ++finished;
        }
    };
    std::vector<std::jthread> workers;
    for (int w = 1; w < CompareAhead::workerCount(); ++w)
        workers.emplace_back(work);
    for (size_t k = next++; k < candidates.size() && !stop; k = next++)
    {
        look(k);
        ++finished;
        if (done)
            done(finished);
        if (!keepGoing())
            stop = true;
    }
    workers.clear();
    if (cache)
    {
        std::vector<PictureCache::Entry> entries;
        for (size_t k = 0; k < decoded.size(); ++k)
        {
            const auto &key = decoded[k];
            const auto &picture = facts[k];
            if (key && picture)
                entries.push_back({*key, *picture, files.fullPath(candidates[k])});
        }
        cache->store(entries);
    }
    if (stop)
        return {};

    QList<PictureFacts> pictures;
    std::vector<FileList::Index> recordOf;
    for (size_t k = 0; k < candidates.size(); ++k)
    {
        if (const std::optional<PictureFacts> &f = facts[k])
        {
            pictures.append(*f);
            recordOf.push_back(candidates[k]);
        }
    }
    std::vector<ResultRow> rows;
    const QList<QList<int>> groups = PictureGroups::find(pictures, level);
    for (qsizetype g = 0; g < groups.size(); ++g)
    {
        for (const int p : groups[g])
        {
            const FileList::Index r = recordOf[static_cast<size_t>(p)];
            ResultRow row;
            row.setName(files.name(r));
            row.path = files.folder(r);
            row.size = files.size(r);
            row.setModified(files.date(r));
            row.setVersion(dimensionsText(pictures[p]));
            row.group = static_cast<qint32>(g) + 1;
            row.sortGroup = row.group;
            rows.push_back(std::move(row));
        }
    }
    return rows;
}
} // namespace PictureSearch
