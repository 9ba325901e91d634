// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ScanPipeline.h"

#include "engine/CompareAhead.h"
#include "engine/FileList.h"
#include "engine/FolderCopies.h"
#include "engine/FolderRows.h"
#include "engine/GetFilesLib.h"
#include "engine/GroupFeed.h"
#include "engine/PictureCache.h"
#include "engine/PictureSearch.h"
#include "engine/RecordSort.h"
#include "engine/SameNameSearch.h"
#include "engine/ScanRows.h"
#include "engine/SearchEngine.h"
#include "engine/StatusTexts.h"
#include "platform/FileFunctions.h"
#include "platform/HeapTuning.h"
#include "platform/SystemFolders.h"
#include "results/DuplicateTotals.h"
#include "results/LocaleText.h"
#include "results/ResultModel.h"
#include "search/LeftOutText.h"
#include "search/SearchLocation.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace
{
// The texts of this file for translators.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(ScanPipeline)
};

// The procedure's name in error reports, the same in every language.
const QString kScanning = QStringLiteral("Scanning");

// The folder as the walk writes it: with one trailing "/".
QString withSlash(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

// The excluded folders, each followed by ";".
QString excludeListOf(const SearchLocationList &locations)
{
    QString excludeList;
    for (const SearchLocation &l : locations.rows())
    {
        if (l.excluded())
            excludeList += l.folder + u';';
    }
    return excludeList;
}

// The locations to walk, reference locations first: a file met twice keeps the first path the
// walk met, so an original that is also reached through another name stays listed as the original.
// True when `inner` lies inside `outer` (or is it, listed again after it).
bool inside(const SearchLocation &inner, const SearchLocation &outer)
{
    const QString a = inner.folder.endsWith(u'/') ? inner.folder : inner.folder + u'/';
    const QString b = outer.folder.endsWith(u'/') ? outer.folder : outer.folder + u'/';
    if (a == b)
        return &outer < &inner; // rows of one list, in its order
    return a.startsWith(b);
}

// The locations to walk, reference locations first. The folder search walks each folder once,
// as part of the outermost location that holds it, so that a tree is never seen in pieces.
std::vector<const SearchLocation *> walkOrder(const SearchLocationList &locations, const ScanOptions &options)
{
    std::vector<const SearchLocation *> order;
    for (const bool reference : {true, false})
    {
        for (const SearchLocation &l : locations.rows())
        {
            if (!l.excluded() && l.reference() == reference)
                order.push_back(&l);
        }
    }
    if (options.engine == ScanOptions::Folders)
    {
        const std::vector<const SearchLocation *> all = order;
        std::erase_if(order, [&](const SearchLocation *l) {
            return std::any_of(all.begin(), all.end(),
                               [&](const SearchLocation *o) { return o != l && inside(*l, *o); });
        });
    }
    return order;
}

// Walks one location, adding its counts to the context. A failed walk is undone before Retry runs
// it again; false after Abort. A location that cannot be walked is named in `skipped`.
bool walkLocation(ScanContext &ctx, GetFilesLib &walk, const SearchLocation &l, const FileList &files,
                  std::vector<SkippedLocation> &skipped)
{
    if (ctx.options.protect && SystemFolders::isProtected(l.folder))
    {
        skipped.push_back({l.folder, SkippedLocation::Reason::Protected});
        return true;
    }
    if (!FileFunctions::folderExists(l.folder))
    {
        skipped.push_back({l.folder, SkippedLocation::Reason::Missing});
        return true;
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
        return false;
    ctx.totalFolders += totals.folderCount;
    ctx.totalFiles += totals.fileCount;
    // A location whose own folder could not be listed is named as such, not merely counted.
    if (ctx.unreadableFolders.size() > unreadableBefore &&
        ctx.unreadableFolders.at(unreadableBefore) == withSlash(l.folder))
    {
        ctx.unreadableFolders.removeAt(unreadableBefore);
        skipped.push_back({l.folder, SkippedLocation::Reason::Unreadable});
    }
    return true;
}

// Walks every location that is not excluded, reference locations first, adding their counts to
// the context. Abort ends the scan as cancelled. Locations that cannot be walked are named in
// `skipped`.
void walkLocations(ScanContext &ctx, const SearchLocationList &locations, FileList &files,
                   std::vector<SkippedLocation> &skipped)
{
    GetFilesLib walk(ctx, files);
    walk.setExcludeList(excludeListOf(locations));
    for (const SearchLocation *location : walkOrder(locations, ctx.options))
    {
        // After a cancel the remaining locations end at their first entry: nothing to walk.
        if (ctx.cancelSearch)
            break;
        if (!walkLocation(ctx, walk, *location, files, skipped))
        {
            ctx.cancelSearch = true;
            break;
        }
    }
    ctx.sink.progress({ScanProgress::Stage::Walk, ctx.totalFiles, ctx.totalFolders});
}

// The folders of the locations walked: those not excluded and not skipped.
QStringList searchedFolders(const SearchLocationList &locations, const std::vector<SkippedLocation> &skipped)
{
    QStringList folders;
    for (const SearchLocation &l : locations.rows())
    {
        const bool walked = std::none_of(skipped.begin(), skipped.end(),
                                         [&](const SkippedLocation &s) { return s.folder == l.folder; });
        if (!l.excluded() && walked)
            folders.append(l.folder);
    }
    return folders;
}

// The records sorted in `order` into ctx.sortedFiles; the feed, when there is one, starts the
// workers on the first candidate groups. False after Abort.
bool loadRecords(ScanContext &ctx, RecordOrder order, GroupFeed *feed)
{
    // The records stay where the walk put them; sortedFiles holds their numbers in sorted order.
    return runStep(ctx.sink.errors(), kScanning, [&] {
        ctx.sortedFiles = RecordSort::sortedAside(ctx.files, order, [&] { ctx.keepGoing(); });
        if (ctx.options.engine == ScanOptions::Folders)
            ctx.sortedFiles = FolderCopies::contentCandidates(ctx.files, ctx.sortedFiles, ctx.laterNames);
        if (feed)
        {
            ctx.bytesToCompare = SearchEngine::bytesToCompare(ctx.files, ctx.sortedFiles);
            feed->readFrom(ctx.sortedFiles);
            feed->fill();
        }
    });
}

// Runs the engine of ctx.options over the sorted records and fills the model; sets listing to what the model
// then holds. False after Abort.
bool runEngine(ScanContext &ctx, ResultModel &model, std::optional<CompareAhead> &ahead, std::optional<GroupFeed> &feed,
               ScanSummary::Listing &listing)
{
    return runStep(ctx.sink.errors(), kScanning, [&] {
        if (ctx.options.engine == ScanOptions::ZeroSize)
        {
            listZeroSizeFiles(ctx, model);
            listing = ScanSummary::Listing::ZeroSize;
            return;
        }
        if (ctx.options.engine == ScanOptions::SameName)
            findSameName(ctx);
        else if (ahead)
            SearchEngine::findSameSize(ctx, *ahead, *feed);
        else
            SearchEngine::findSameSize(ctx); // a Retry, after the workers below were let go
        // The list is filled from the result list alone: the workers with their read buffers and the
        // sorted order go first, so that a million rows do not join them in memory.
        feed.reset();
        ahead.reset();
        ctx.sortedFiles = {};
        ctx.group = {};
        listing = ScanSummary::Listing::Groups;
        // The folder search lists folders, once its file groups have been read (ScanPipeline::run).
        if (ctx.options.engine == ScanOptions::Folders)
        {
            HeapTuning::giveBackFreedMemory();
            return;
        }
        ctx.listedHashes = {};
        HeapTuning::giveBackFreedMemory();
        ResultLoadHooks hooks;
        hooks.yield = [&] { ctx.keepGoing(); };
        hooks.status = [&](const QString &text) { ctx.sink.status(text); };
        // The records go as their rows are made: nothing reads them after this.
        std::vector<ResultRow> rows = ScanRows::take(ctx.files, ctx.results, [&] { ctx.keepGoing(); });
        model.loadResultList(std::move(rows), hooks);
    });
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
    s.activity = StatusTexts::activity(ctx.cancelSearch);
    s.duplicates = StatusTexts::duplicates(ctx.duplicateCount, ctx.duplicateSize);
    s.files = StatusTexts::files(ctx.totalFiles);
    s.folders = StatusTexts::folders(ctx.totalFolders);
    return s;
}

// The sentence that says how much could not be read.
QString unreadableSentence(qsizetype files, qsizetype folders)
{
    // Singular and plural as separate texts: without a translator the English stays exact.
    if (folders == 0)
        return (files == 1 ? Tr::tr("%1 file could not be read.") : Tr::tr("%1 files could not be read."))
            .arg(LocaleText::number(files));
    if (files == 0)
        return (folders == 1 ? Tr::tr("%1 folder could not be read.") : Tr::tr("%1 folders could not be read."))
            .arg(LocaleText::number(folders));
    //: %1 is "1 file" or "2 files", %2 is "1 folder" or "2 folders".
    return Tr::tr("%1 and %2 could not be read.")
        .arg((files == 1 ? Tr::tr("%1 file") : Tr::tr("%1 files")).arg(LocaleText::number(files)),
             (folders == 1 ? Tr::tr("%1 folder") : Tr::tr("%1 folders")).arg(LocaleText::number(folders)));
}
} // namespace

QString ScanSummary::notice() const
{
    QStringList sentences;
    for (const SkippedLocation &l : skipped)
    {
        switch (l.reason)
        {
        case SkippedLocation::Reason::Missing:
            sentences.append(Tr::tr("\"%1\" was not searched: no such folder.").arg(l.folder));
            break;
        case SkippedLocation::Reason::Protected:
            sentences.append(
                Tr::tr("\"%1\" was not searched: it is a system folder, left out by \"Protect System Folders\".")
                    .arg(l.folder));
            break;
        case SkippedLocation::Reason::Unreadable:
            sentences.append(Tr::tr("\"%1\" was not searched: it could not be read.").arg(l.folder));
            break;
        }
    }
    if (!unreadableFiles.isEmpty() || !unreadableFolders.isEmpty())
        sentences.append(unreadableSentence(unreadableFiles.size(), unreadableFolders.size()));
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
    case ScanOptions::Folders:
        origin.kind = ListKind::SameFolders;
        break;
    case ScanOptions::Pictures:
        origin.kind = ListKind::SimilarPictures;
        origin.pictureLevel = options.similarity;
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

ScanSummary ScanPipeline::run(const SearchLocationList &locations, const ScanOptions &options)
{
    ScanContext ctx(m_sink, options);
    ScanSummary::Listing listing = ScanSummary::Listing::None;
    std::vector<SkippedLocation> skipped;
    FolderReport folderCopies;
    auto finish = [&] {
        ScanSummary summary = summaryOf(ctx, listing, std::move(skipped));
        summary.limits = LeftOutText::of(locations, options.includeHidden, options.engine != ScanOptions::Folders);
        summary.folderCopies = std::move(folderCopies);
        return summary;
    };
    // Also after a cancel: the rows listed so far can be acted on.
    auto listRows = [&] {
        anchorResults(m_model, locations, options, false, [&] { ctx.sink.keepGoing(); });
        // The totals of the list as shown: groups of reference files alone have left it.
        const DuplicateTotals totals = duplicateTotals(m_model);
        ctx.duplicateCount = totals.count;
        ctx.duplicateSize = totals.size;
        return finish();
    };

    walkLocations(ctx, locations, ctx.files, skipped);
    if (ctx.totalFiles == 0 || ctx.cancelSearch)
        return finish();

    m_sink.status(Tr::tr("Starting search engine, please wait..."));
    if (ctx.totalFiles > m_tooManyFiles && !m_sink.confirmTooManyFiles(ctx.totalFiles))
        return finish();

    if (options.engine == ScanOptions::Pictures)
    {
        // Every file is decoded on its own: no sort by size, no byte comparison.
        listing = ScanSummary::Listing::Groups;
        m_sink.status(Tr::tr("Comparing pictures..."));
        const qint64 total = ctx.files.count();
        std::optional<PictureCache> cache;
        if (options.usePictureCache)
            cache.emplace();
        PictureCache *const usable = cache && cache->usable() ? &*cache : nullptr;
        std::vector<ResultRow> rows = PictureSearch::find(
            ctx.files, options.similarity, [&] { return ctx.keepGoing(); },
            [&](qint64 done) {
                m_sink.progress({ScanProgress::Stage::Compare, 0, 0, done, total, ScanProgress::Unit::Files});
            },
            usable);
        if (ctx.cancelSearch)
            return finish();
        if (usable)
            usable->forgetVanished(searchedFolders(locations, skipped));
        m_model.setGroupedRows(std::move(rows));
        return listRows();
    }

    const RecordOrder order = options.engine == ScanOptions::SameName ? RecordOrder::NameFirst : RecordOrder::SizeFirst;
    // The content engines compare the candidate groups ahead of the scan, on worker threads.
    std::optional<CompareAhead> ahead;
    std::optional<GroupFeed> feed;
    if (options.engine == ScanOptions::ByteToByte || options.engine == ScanOptions::Crc32 ||
        options.engine == ScanOptions::Folders)
    {
        ahead.emplace(SearchEngine::methodOf(options), CompareAhead::workerCount(), ctx.files, &ctx.listedHashes);
        feed.emplace(*ahead, ctx.files);
    }
    if (!loadRecords(ctx, order, feed ? &*feed : nullptr))
    {
        ctx.cancelSearch = true;
        return finish();
    }
    if (!runEngine(ctx, m_model, ahead, feed, listing))
        ctx.cancelSearch = true;
    if (options.engine == ScanOptions::Folders && !ctx.cancelSearch)
    {
        m_sink.status(Tr::tr("Comparing folders..."));
        folderCopies =
            FolderCopies::find(ctx.files, FolderCopies::contentClasses(ctx.files, ctx.results), ctx.partlySeenFolders);
        m_model.setGroupedRows(FolderRows::of(folderCopies));
        QHash<QString, QHash<QString, QString>> copies;
        for (size_t i = 0; i < folderCopies.contained.size(); ++i)
        {
            const QString &folder = folderCopies.folders[folderCopies.contained[i]].path;
            copies.emplace(folder.chopped(1), std::move(folderCopies.copiesOutside[i]));
        }
        folderCopies.copiesOutside.clear();
        m_model.setCopiesOutside(std::move(copies));
    }
    return listRows();
}
