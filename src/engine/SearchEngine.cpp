// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/SearchEngine.h"

#include "core/ListRules.h"
#include "core/TextFormat.h"
#include "engine/CompareAhead.h"
#include "engine/ContentGroups.h"
#include "engine/GroupFeed.h"
#include "engine/ReadBuffers.h"
#include "engine/VersionReader.h"
#include "platform/FileFunctions.h"
#include "platform/ReadOnlyFile.h"

#include <QCoreApplication>

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace
{
// The texts of this file for translators.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(SearchEngine)
};

// The procedures' names in error reports, the same in every language.
const QString FindSameLabel = QStringLiteral("Find Same");
const QString FindDuplicatesLabel = QStringLiteral("Find Duplicates");

constexpr qint64 FuzzyBlock = ListRules::SimilarBlock;
// Large reads of 256 blocks; what is compared keeps the 1000-byte block rules.
constexpr qint64 ReadChunk = FuzzyBlock * 256;

void showProgress(ScanContext &ctx, qint32 p, qint32 t)
{
    const QString q = TextFormat::oneDecimal(100.0 / t * p);
    const QString counts = QString::number(p) + u'/' + QString::number(t);
    if (ctx.sink.minimized())
        ctx.sink.caption(q + u'%' + QStringLiteral(" (") + counts + u')');
    else
        ctx.sink.status(Tr::tr("Searching for duplicates...(%1) %2%").arg(counts, q));
}

// The bytes compared so far: every candidate group settled counts whole (a group whose files differ
// early is settled without reading them all), and `reading` the bytes read of groups not settled.
void showBytes(ScanContext &ctx, qint64 reading)
{
    if (ctx.bytesToCompare <= 0)
        return;
    ScanProgress progress;
    progress.stage = ScanProgress::Stage::Compare;
    progress.total = ctx.bytesToCompare;
    progress.done = std::min(ctx.bytesCompared + reading, ctx.bytesToCompare);
    ctx.sink.progress(progress);
}

// The members of the candidate group at these indices could not be read.
void noteUnreadable(ScanContext &ctx, const std::vector<qsizetype> &members)
{
    for (qsizetype m : members)
        ctx.unreadableFiles.append(ctx.files.fullPath(ctx.group[static_cast<size_t>(m)]));
}

// Appends a record to the results with the current shade.
void appendResult(ScanContext &ctx, FileList::Index record)
{
    const QString version = fileVersionText(ctx.files.fullPath(record));
    ctx.results.append(record, version, ctx.groupShade);
}

void flipShade(ScanContext &ctx)
{
    ctx.groupShade = ctx.groupShade != 1 ? 1 : 2;
}

// Repeated listings of one file (overlapping locations) stand next to each other after sorting.
// The files kept move up in one pass, so a large group listed twice costs no more than once.
void dropRepeatedListings(ScanContext &ctx)
{
    std::vector<FileList::Index> &g = ctx.group;
    size_t kept = 0;
    for (const FileList::Index record : g)
    {
        ctx.keepGoing();
        if (kept > 0 && ctx.files.samePath(g[kept - 1], record))
        {
            --ctx.totalFiles;
            continue;
        }
        g[kept++] = record;
    }
    g.resize(kept);
}

// Appends the groups (by index into the candidate group) to the results: the groups that
// comparing each file with every later one still in the group gives, matches taken out.
void appendGroups(ScanContext &ctx, const ContentGroups::Groups &groups)
{
    for (const std::vector<qsizetype> &group : groups)
    {
        // A cancel while a group is added ends the search after that group, never inside it.
        if (ctx.cancelSearch)
            return;
        flipShade(ctx);
        // `next` survives a Retry so nothing is added twice.
        size_t next = 0;
        const bool ok = runStep(ctx.sink.errors(), FindDuplicatesLabel, [&] {
            for (; next < group.size(); ++next)
            {
                ctx.keepGoing(); // a set of a million files can give groups as large
                const FileList::Index record = ctx.group[static_cast<size_t>(group[next])];
                appendResult(ctx, record);
                if (next == 0)
                    continue;
                ++ctx.duplicateCount;
                ctx.duplicateSize += ctx.files.size(record);
            }
        });
        if (!ok)
            return;
    }
}

// Compares the candidate group (repeated listings already dropped) on this thread.
void compareHere(ScanContext &ctx)
{
    std::optional<ContentGroups::Groups> groups;
    ContentGroups::Tally tally;
    const bool found = runStep(ctx.sink.errors(), FindDuplicatesLabel, [&] {
        tally.unreadable.clear();
        groups = ContentGroups::find(
            SearchEngine::methodOf(ctx.options), ContentGroups::RecordMembers(ctx.files, ctx.group, &ctx.listedHashes),
            [&ctx, &tally] {
                showBytes(ctx, tally.bytesRead.load(std::memory_order_relaxed));
                return ctx.keepGoing();
            },
            &tally);
    });
    if (!found || !groups)
        return;
    noteUnreadable(ctx, tally.unreadable);
    appendGroups(ctx, *groups);
}

// compareGroup for a group that the workers have been comparing ahead of the scan. A group the
// workers did not answer (a retried step can form a group differently) is compared here.
void compareQueuedGroup(ScanContext &ctx, CompareAhead &ahead)
{
    if (!runStep(ctx.sink.errors(), FindDuplicatesLabel, [&] { dropRepeatedListings(ctx); }))
        return;
    CompareAhead::Answer answer;
    const bool took = runStep(ctx.sink.errors(), FindDuplicatesLabel, [&] {
        answer = ahead.take(ctx.group, [&ctx, &ahead] {
            showBytes(ctx, ahead.bytesReadAhead());
            return ctx.keepGoing();
        });
    });
    if (!took || answer.kind == CompareAhead::Answer::Stopped)
        return;
    if (answer.kind != CompareAhead::Answer::Found)
    {
        compareHere(ctx);
        return;
    }
    noteUnreadable(ctx, answer.unreadable);
    appendGroups(ctx, answer.groups);
}

} // namespace

namespace SearchEngine
{
qint64 bytesToCompare(const FileList &files, const std::vector<FileList::Index> &sorted)
{
    qint64 bytes = 0;
    for (size_t i = 0; i < sorted.size();)
    {
        const qint64 size = files.size(sorted[i]);
        size_t end = i + 1;
        while (end < sorted.size() && files.size(sorted[end]) == size)
            ++end;
        if (end - i >= 2)
            bytes += size * static_cast<qint64>(end - i);
        i = end;
    }
    return bytes;
}

ContentGroups::Method methodOf(const ScanOptions &options)
{
    if (options.engine == ScanOptions::Crc32)
        return ContentGroups::Method::Crc;
    return options.fuzzy ? ContentGroups::Method::Fuzzy : ContentGroups::Method::Exact;
}

void findSameSize(ScanContext &ctx)
{
    CompareAhead ahead(methodOf(ctx.options), CompareAhead::workerCount(), ctx.files, &ctx.listedHashes);
    GroupFeed feed(ahead, ctx.files);
    feed.readFrom(ctx.sortedFiles);
    findSameSize(ctx, ahead, feed);
}

void findSameSize(ScanContext &ctx, CompareAhead &ahead, GroupFeed &feed)
{
    struct ReleaseBuffers
    {
        ~ReleaseBuffers() { ReadBuffers::release(); }
    } releaseBuffers;
    const std::vector<FileList::Index> &files = ctx.sortedFiles;
    const size_t n = files.size();
    auto sizeAt = [&](size_t i) { return ctx.files.size(files[i]); };
    const auto t = static_cast<qint32>(n);
    qint32 p = 0;
    size_t i = 0;
    for (;;)
    {
        if (!ctx.keepGoing())
            return;
        // The last file has no neighbour to be a copy of.
        if (i + 1 >= n)
            return;
        const bool ok = runStep(ctx.sink.errors(), FindSameLabel, [&] {
            const qint64 k = sizeAt(i);
            if (sizeAt(i + 1) == k)
            {
                feed.fill(i);
                ctx.group.clear();
                for (;;)
                {
                    // Yields too: the window answers while a group of a million files is formed.
                    if (!ctx.keepGoing() || sizeAt(i) != k)
                        break;
                    ctx.group.push_back(files[i]);
                    if (i + 1 == n)
                        break;
                    ++i;
                    ++p;
                }
                const qint64 groupBytes = k * static_cast<qint64>(ctx.group.size());
                compareQueuedGroup(ctx, ahead);
                ctx.bytesCompared += groupBytes;
                showBytes(ctx, ahead.bytesReadAhead());
            }
            else
            {
                // A file of a size no other file has cannot have a copy.
                ++i;
                ++p;
            }
            feed.fill(i);
            showProgress(ctx, p, t);
        });
        if (!ok)
            return;
    }
}

int compareFilesFuzzy(const QString &path1, const QString &path2)
{
    for (const QString *path : {&path1, &path2})
    {
        if (isHiddenFile(*path) || !FileFunctions::fileExists(*path))
            return -1;
    }
    ReadOnlyFile a;
    ReadOnlyFile b;
    if (!a.open(path1) || !b.open(path2))
        return -1;
    if (a.size() != b.size())
        return 0;
    const qint64 blocks = a.size() / FuzzyBlock;
    if (blocks == 0)
        return -1;
    const qint64 wholeLength = blocks * FuzzyBlock;
    char *bufA = ReadBuffers::get(0, qMin(ReadChunk, wholeLength));
    char *bufB = ReadBuffers::get(1, qMin(ReadChunk, wholeLength));
    qint64 equal = 0;
    for (qint64 offset = 0; offset < wholeLength; offset += ReadChunk)
    {
        const qint64 want = qMin(ReadChunk, wholeLength - offset);
        if (a.readAt(bufA, want, offset) != want || b.readAt(bufB, want, offset) != want)
            return -1;
        for (qint64 k = 0; k < want; k += FuzzyBlock)
        {
            if (std::memcmp(bufA + k, bufB + k, FuzzyBlock) == 0)
                ++equal;
        }
    }
    return ListRules::similarEnough(equal, blocks) ? 1 : 0;
}

std::optional<quint32> fileCrc32(const QString &path, const std::function<bool()> &keepGoing,
                                 std::atomic<qint64> *bytesRead)
{
    ReadOnlyFile f;
    if (!f.open(path))
        return std::nullopt;
    f.adviseSequential();
    // One byte more than the length opened, so that a file that grew is still read to its end.
    const qint64 chunk = qMin(ReadChunk, f.size() + 1);
    char *buf = ReadBuffers::get(0, chunk);
    uLong crc = crc32(0L, Z_NULL, 0);
    for (qint64 offset = 0;;)
    {
        if (offset > 0 && keepGoing && !keepGoing())
            return std::nullopt;
        const qint64 n = f.readAt(buf, chunk, offset);
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        crc = crc32(crc, reinterpret_cast<const Bytef *>(buf), static_cast<uInt>(n));
        offset += n;
        if (bytesRead)
            bytesRead->fetch_add(n, std::memory_order_relaxed);
    }
    return static_cast<quint32>(crc);
}

bool isHiddenFile(const QString &path)
{
    return ListRules::leftOutOfSimilar(QStringView(path).mid(path.lastIndexOf(u'/') + 1));
}
} // namespace SearchEngine
