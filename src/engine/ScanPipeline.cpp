// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ScanPipeline.h"

#include "core/TextFormat.h"
#include "engine/CompareAhead.h"
#include "engine/FileList.h"
#include "engine/GetFilesLib.h"
#include "engine/GroupFeed.h"
#include "engine/RecordSort.h"
#include "engine/SameNameSearch.h"
#include "engine/SearchEngine.h"
#include "platform/FileFunctions.h"
#include "platform/SystemFolders.h"
#include "results/DuplicateTotals.h"
#include "results/ResultModel.h"
#include "search/SearchLocation.h"

#include <optional>

namespace
{
const QString kScanning = QStringLiteral("Scanning");

// The folder as the walk writes it: with one trailing "/".
QString withSlash(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString counted(qsizetype n, const char *one, const char *many)
{
    return QString::number(n) + u' ' + QLatin1String(n == 1 ? one : many);
}

// Walks every location that is not excluded, reference locations first, adding their counts to
// the context. A location's failed walk is undone before Retry runs it again; Abort ends the scan
// as cancelled. Locations that cannot be walked are named in `skipped`.
void walkLocations(ScanContext &ctx, const SearchLocationList &locations, FileList &files,
                   std::vector<SkippedLocation> &skipped)
{
    QString excludeList;
    for (const SearchLocation &l : locations.rows())
    {
        if (l.excluded())
            excludeList += l.folder + u';';
    }
    GetFilesLib walk(ctx, files);
    walk.setExcludeList(excludeList);
    // Reference locations first: a file met twice keeps the first path the walk met, so an
    // original that is also reached through another name stays listed as the original.
    std::vector<const SearchLocation *> order;
    for (const bool reference : {true, false})
    {
        for (const SearchLocation &l : locations.rows())
        {
            if (!l.excluded() && l.reference() == reference)
                order.push_back(&l);
        }
    }
    for (const SearchLocation *location : order)
    {
        const SearchLocation &l = *location;
        // After a cancel the remaining locations end at their first entry: nothing to walk.
        if (ctx.cancelSearch)
            break;
        if (ctx.options.protect && SystemFolders::isProtected(l.folder))
        {
            skipped.push_back({l.folder, SkippedLocation::Reason::Protected});
            continue;
        }
        if (!FileFunctions::folderExists(l.folder))
        {
            skipped.push_back({l.folder, SkippedLocation::Reason::Missing});
            continue;
        }
        const qsizetype unreadableBefore = ctx.unreadableFolders.size();
        const qsizetype before = files.count();
        ScanTotals totals;
        const bool ran = runStep(ctx.sink.errors(), kScanning, [&] {
            walk.truncate(before);
            QString folder = l.folder;
            totals = walk.enumerateLocation(folder, l.subFolders, l.mask, l.minSize, l.maxSize);
        });
        if (!ran)
        {
            ctx.cancelSearch = true;
            break;
        }
        ctx.totalFolders += totals.folderCount;
        ctx.totalFiles += totals.fileCount;
        // A location whose own folder could not be listed is named as such, not merely counted.
        if (ctx.unreadableFolders.size() > unreadableBefore &&
            ctx.unreadableFolders.at(unreadableBefore) == withSlash(l.folder))
        {
            ctx.unreadableFolders.removeAt(unreadableBefore);
            skipped.push_back({l.folder, SkippedLocation::Reason::Unreadable});
        }
    }
    ctx.sink.progress({ScanProgress::Stage::Walk, ctx.totalFiles, ctx.totalFolders});
}

ScanSummary summaryOf(const ScanContext &ctx, ScanSummary::Listing listing, std::vector<SkippedLocation> skipped)
{
    ScanSummary s;
    s.skipped = std::move(skipped);
    s.unreadableFolders = ctx.unreadableFolders;
    s.unreadableFiles = ctx.unreadableFiles;
    s.totalFiles = ctx.totalFiles;
    s.totalFolders = ctx.totalFolders;
    s.duplicateCount = ctx.duplicateCount;
    s.duplicateSize = ctx.duplicateSize;
    s.cancelSearch = ctx.cancelSearch;
    s.listing = listing;
    s.activity = ctx.cancelSearch ? QStringLiteral("Search Terminated.") : QStringLiteral("Search Completed.");
    s.duplicates = QStringLiteral("Duplicate Files: ") + QString::number(ctx.duplicateCount) +
                   QStringLiteral("  Size: ") + TextFormat::sizeText(static_cast<double>(ctx.duplicateSize));
    s.files = QStringLiteral("Files : ") + QString::number(ctx.totalFiles);
    s.folders = QStringLiteral("Folders : ") + QString::number(ctx.totalFolders);
    return s;
}
} // namespace

QString ScanSummary::notice() const
{
    QStringList sentences;
    for (const SkippedLocation &l : skipped)
    {
        QString why;
        switch (l.reason)
        {
        case SkippedLocation::Reason::Missing:
            why = QStringLiteral("no such folder.");
            break;
        case SkippedLocation::Reason::Protected:
            why = QStringLiteral("it is a system folder, left out by \"Protect System Folders\".");
            break;
        case SkippedLocation::Reason::Unreadable:
            why = QStringLiteral("it could not be read.");
            break;
        }
        sentences.append(u'"' + l.folder + QStringLiteral("\" was not searched: ") + why);
    }
    if (!unreadableFiles.isEmpty() || !unreadableFolders.isEmpty())
    {
        QStringList parts;
        if (!unreadableFiles.isEmpty())
            parts.append(counted(unreadableFiles.size(), "file", "files"));
        if (!unreadableFolders.isEmpty())
            parts.append(counted(unreadableFolders.size(), "folder", "folders"));
        sentences.append(parts.join(QStringLiteral(" and ")) + QStringLiteral(" could not be read."));
    }
    return sentences.join(u' ');
}

ListOrigin listOriginOf(const ScanOptions &options, bool fromSession)
{
    ListOrigin origin;
    origin.fromSession = fromSession;
    switch (options.engine)
    {
    case ScanOptions::SameName:
        origin.kind = ListKind::SameName;
        break;
    case ScanOptions::ZeroSize:
        origin.kind = ListKind::ZeroSize;
        break;
    default:
        // A CRC-32 list is one of identical files: its checksums are a reason to look, never proof.
        origin.kind = options.engine == ScanOptions::ByteToByte && options.fuzzy ? ListKind::SimilarContents
                                                                                 : ListKind::SameContents;
    }
    return origin;
}

void anchorResults(ResultModel &model, const SearchLocationList &locations, const ScanOptions &options,
                   bool fromSession, const std::function<void()> &yield)
{
    QStringList folders;
    QStringList referenceLocations;
    QStringList references;
    QStringList others;
    for (const SearchLocation &l : locations.rows())
    {
        if (l.excluded())
            continue;
        folders.append(l.folder);
        if (l.reference())
            referenceLocations.append(l.folder);
        const QString folder = l.folder.endsWith(u'/') ? l.folder : l.folder + u'/';
        (l.reference() ? references : others).append(folder);
    }
    anchorRows(model, listOriginOf(options, fromSession), folders, yield, referenceLocations);
    model.applyReferences(references, others, referenceFoldersByIdentity(model.anchors()));
}

ScanPipeline::ScanPipeline(ScanSink &sink, ResultModel &model) : m_sink(sink), m_model(model) {}

QString ScanPipeline::tooManyFilesMessage(qint32 totalFiles)
{
    return QStringLiteral("You are about to scan a collection of too many files, total ") +
           QString::number(totalFiles) + QStringLiteral(" files.  ");
}

ScanSummary ScanPipeline::run(const SearchLocationList &locations, const ScanOptions &options)
{
    ScanContext ctx(m_sink, options);
    ScanSummary::Listing listing = ScanSummary::Listing::None;
    std::vector<SkippedLocation> skipped;
    auto finish = [&] { return summaryOf(ctx, listing, std::move(skipped)); };

    walkLocations(ctx, locations, ctx.files, skipped);
    if (ctx.totalFiles == 0 || ctx.cancelSearch)
        return finish();

    m_sink.status(QStringLiteral("Starting search engine, please wait..."));
    if (ctx.totalFiles > m_tooManyFiles && !m_sink.confirmTooManyFiles(ctx.totalFiles))
        return finish();

    const RecordOrder order = options.engine == ScanOptions::SameName ? RecordOrder::NameFirst : RecordOrder::SizeFirst;
    // The content engines start comparing the first candidate groups while fileHive is loaded.
    std::optional<CompareAhead> ahead;
    std::optional<GroupFeed> feed;
    if (options.engine == ScanOptions::ByteToByte || options.engine == ScanOptions::Crc32)
    {
        ahead.emplace(SearchEngine::methodOf(options), CompareAhead::workerCount(), ctx.files);
        feed.emplace(*ahead, ctx.files);
    }
    // The records stay where the walk put them; fileHive holds their numbers in sorted order.
    std::vector<FileList::Index> sorted;
    const bool loaded = runStep(m_sink.errors(), kScanning, [&] {
        ctx.fileHive.clear();
        sorted = RecordSort::sortedAside(ctx.files, order, [&] { ctx.keepGoing(); });
        if (feed)
        {
            ctx.bytesToCompare = SearchEngine::bytesToCompare(ctx.files, sorted);
            feed->readFrom(sorted);
        }
        loadFileHive(ctx.fileHive, ctx.files, sorted, order, [&] {
            ctx.keepGoing();
            if (feed)
                feed->fill();
        });
    });
    if (feed)
        feed->readFrom(ctx.fileHive);
    std::vector<FileList::Index>().swap(sorted);
    if (!loaded)
    {
        ctx.cancelSearch = true;
        return finish();
    }

    const bool ran = runStep(m_sink.errors(), kScanning, [&] {
        if (options.engine == ScanOptions::ZeroSize)
        {
            listZeroSizeFiles(ctx, m_model);
            listing = ScanSummary::Listing::ZeroSize;
            return;
        }
        if (options.engine == ScanOptions::SameName)
            findSameName(ctx);
        else if (ahead)
            SearchEngine::findSameSize(ctx, *ahead, *feed);
        else
            SearchEngine::findSameSize(ctx); // a Retry, after the workers below were let go
        // The list is filled from resultHive alone: the workers with their read buffers, fileHive
        // and groupHive go first, so that a million rows do not join them in memory.
        feed.reset();
        ahead.reset();
        ctx.fileHive.clear();
        ctx.groupHive.clear();
        ResultLoadHooks hooks;
        hooks.yield = [&] { ctx.keepGoing(); };
        hooks.status = [&](const QString &text) { m_sink.status(text); };
        m_model.loadResultList(ctx.resultHive, hooks);
        listing = ScanSummary::Listing::Groups;
    });
    if (!ran)
        ctx.cancelSearch = true;
    // Also after a cancel: the rows listed so far can be acted on.
    anchorResults(m_model, locations, options, false, [&] { ctx.sink.keepGoing(); });
    // The totals of the list as shown: groups of reference files alone have left it.
    const DuplicateTotals totals = duplicateTotals(m_model);
    ctx.duplicateCount = totals.count;
    ctx.duplicateSize = totals.size;
    return finish();
}
