// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/GetFilesLib.h"

#include "core/RaisedError.h"
#include "core/TextCompare.h"
#include "core/VbNumeric.h"
#include "engine/SearchThreads.h"
#include "platform/SystemFolders.h"
#include "search/FileMasks.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace
{
// The texts of this file for translators.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(GetFilesLib)
};

// Whole kilobytes as bytes: the nearest whole number (halves to even), times 1024. A number whose
// byte count would not fit 63 bits cannot be converted.
qint64 kilobytesToBytes(double kb)
{
    const double whole = VbNumeric::roundHalfEven(kb);
    if (!std::isfinite(whole) || std::fabs(whole) > 9007199254740992.0)
        throw RaisedError(RaisedError::Overflow, QStringLiteral("Corvina"), RaisedError::overflowText());
    return static_cast<qint64>(whole) * 1024;
}

bool excludedBy(const QStringList &excluded, const QString &folder)
{
    for (const QString &e : excluded)
    {
        if (TextCompare::equalsNoCase(folder, e))
            return true;
    }
    return false;
}

QString withTrailingSlash(QString folder)
{
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}
} // namespace

bool WalkRules::excludes(const QString &folder) const
{
    return excludedBy(excluded, folder);
}

bool WalkRules::testsEachEntry(const QString &folder) const
{
    return protect && SystemFolders::holdsProtected(folder);
}

bool WalkRules::wantsDetails(const QString &folder, bool testEach, QStringView name) const
{
    if (testEach && SystemFolders::isProtected(QString(folder + name)))
        return false;
    if (!includeHidden && name.startsWith(u'.'))
        return false;
    return anyName || FileMasks::matchesMask(name, mask);
}

bool WalkRules::enters(const QString &folder, bool testEach, const DirectoryListing::Entry &e) const
{
    if (e.kind != DirectoryListing::Kind::Folder || !subFolders)
        return false;
    const bool hidden = e.name.startsWith(u'.') && !includeHidden;
    const bool isProtected = testEach && SystemFolders::isProtected(QString(folder + e.name));
    return !isProtected && !hidden;
}

std::vector<ListAhead::Folder> WalkRules::subFoldersToList(const std::shared_ptr<const WalkRules> &self,
                                                           const QString &folder,
                                                           const std::vector<DirectoryListing::Entry> &entries) const
{
    // What generateFolderList enters and then does not turn back from before listing.
    std::vector<ListAhead::Folder> next;
    const bool testEach = testsEachEntry(folder);
    for (const DirectoryListing::Entry &e : entries)
    {
        if (!enters(folder, testEach, e))
            continue;
        QString sub = folder + e.name + u'/';
        if (excludes(sub) || (protect && SystemFolders::isProtected(sub)))
            continue;
        ListAhead::WantDetails wanted = filter(self, sub);
        next.push_back({std::move(sub), std::move(wanted)});
    }
    return next;
}

ListAhead::WantDetails WalkRules::filter(const std::shared_ptr<const WalkRules> &rules, const QString &folder)
{
    return [rules, folder, testEach = rules->testsEachEntry(folder)](QStringView name) {
        return rules->wantsDetails(folder, testEach, name);
    };
}

GetFilesLib::GetFilesLib(ScanContext &ctx, FileList &fileList, int listingWorkers)
    : m_ctx(ctx), m_files(fileList), m_listingWorkers(listingWorkers)
{}

int GetFilesLib::defaultListingWorkers()
{
    return SearchThreads::count();
}

void GetFilesLib::setExcludeList(const QString &excludeList)
{
    m_excluded.clear();
    for (const QString &e : excludeList.split(u';', Qt::SkipEmptyParts))
        m_excluded.append(withTrailingSlash(e));
}

bool GetFilesLib::isFolderExcluded(const QString &folder) const
{
    return excludedBy(m_excluded, folder);
}

ScanTotals GetFilesLib::enumerateLocation(QString &folder, const QString &subFolders, const QString &mask,
                                          const QString &minKb, const QString &maxKb)
{
    if (!folder.endsWith(u'/'))
        folder += u'/';
    auto rules = std::make_shared<WalkRules>();
    rules->subFolders = subFolders == u"Yes";
    rules->includeHidden = m_ctx.options.includeHidden;
    rules->protect = m_ctx.options.protect;
    rules->anyName = mask.contains(u"*.*");
    rules->mask = mask;
    rules->excluded = m_excluded;
    m_rules = rules;

    const auto minimum = VbNumeric::toNumber(minKb);
    m_min = minimum ? kilobytesToBytes(*minimum) : 0;
    m_max.reset();
    if (!maxKb.trimmed().isEmpty())
    {
        const auto maximum = VbNumeric::toNumber(maxKb);
        if (!maximum)
            throw RaisedError(RaisedError::TypeMismatch, QStringLiteral("Corvina"), RaisedError::typeMismatchText());
        m_max = kilobytesToBytes(*maximum);
    }
    m_entryCounter = 0;
    m_atRoot = true;
    m_openFolders.clear();
    const bool byteSearch = (m_ctx.options.engine == ScanOptions::ByteToByte && !m_ctx.options.fuzzy) ||
                            m_ctx.options.engine == ScanOptions::Folders;
    // The byte search reads a small file whole in its first block: the walk reads and hashes it
    // while its folder is open, so that the search need not open it again by its path to tell it
    // apart from files of other bytes. The hashes are kept by the scan's record numbers, so only
    // for the scan's own records.
    m_hashUpTo = byteSearch && &m_files == &m_ctx.files ? ListedHashes::MostBytes : 0;
    // Files the size limits leave out are never compared: no need to read them.
    if (m_min > m_hashUpTo)
        m_hashUpTo = 0;
    else if (m_max)
        m_hashUpTo = std::min(m_hashUpTo, *m_max);

    // Listing is mostly waiting on system calls: other cores list the next folders meanwhile.
    std::optional<ListAhead> ahead;
    if (m_listingWorkers > 0 && m_rules->subFolders)
    {
        ahead.emplace(
            folder,
            [rules = m_rules](const QString &f, const std::vector<DirectoryListing::Entry> &entries) {
                return rules->subFoldersToList(rules, f, entries);
            },
            m_listingWorkers, m_hashUpTo);
    }
    struct Unset
    {
        ListAhead *&listAhead;
        ~Unset() { listAhead = nullptr; }
    } unset{m_listAhead};
    m_listAhead = ahead ? &*ahead : nullptr;

    // A walk that fails is run again from the start (Retry): its folders must count again then.
    const QSet<QString> countedBefore = m_countedFolders;
    try
    {
        ScanTotals totals;
        generateFolderList(folder, totals.folderCount, totals.fileCount, totals.totalSize);
        return totals;
    }
    catch (...)
    {
        m_countedFolders = countedBefore;
        throw;
    }
}

bool GetFilesLib::sizeAccepted(qint64 size) const
{
    if (m_ctx.options.engine == ScanOptions::ZeroSize)
        return size == 0;
    // A folder is compared whole: every file, of every size, is part of it.
    if (wholeFolders())
        return true;
    return size >= 1 && size >= m_min && (!m_max || size <= *m_max);
}

void GetFilesLib::showProgress(const QString &folder, const QString &name)
{
    if (m_ctx.sink.minimized())
        m_ctx.sink.caption(Tr::tr("Scanning... %1").arg(folder.left(3) + QStringLiteral(".../") + name + u'/'));
    else
        m_ctx.sink.status(Tr::tr("Scanning... %1").arg(folder));
}

bool GetFilesLib::listFolder(const QString &folder, std::vector<DirectoryListing::Entry> &entries,
                             DirectoryListing::FileId &folderId)
{
    bool listed = false;
    const bool noFollow = !m_atRoot;
    m_atRoot = false;
    // The procedure's name in error reports, the same in every language.
    const bool ran = runStep(m_ctx.sink.errors(), QStringLiteral("Generate Folder List"), [&] {
        const ListAhead::WantDetails wanted = WalkRules::filter(m_rules, folder);
        if (m_listAhead)
            listed = m_listAhead->list(folder, noFollow, wanted, entries, &folderId);
        else
            listed = DirectoryListing::list(folder, noFollow, wanted, entries, &folderId, nullptr, nullptr, m_hashUpTo);
    });
    if (!ran)
        return false;
    if (!listed)
    {
        // Passed over like every folder that cannot be listed, but counted, so the user hears of it.
        m_ctx.unreadableFolders.append(folder);
        return partlySeen(folder);
    }
    // A folder met again inside itself (a bind mount of an outer folder) would never end.
    for (const auto &open : m_openFolders)
    {
        if (open == folderId)
            return partlySeen(folder);
    }
    // Seen through another path (a bind mount, a nested location): one folder is never its own copy.
    if (wholeFolders() && m_listedFolders.contains(folderId))
        return partlySeen(folder);
    if (!m_rememberEveryFile && m_listedFolders.contains(folderId))
    {
        m_rememberEveryFile = true;
        for (FileList::Index i = 0; i < m_files.count(); ++i)
            m_recorded.insert(m_files.id(i));
    }
    m_listedFolders.insert(folderId);
    return true;
}

bool GetFilesLib::partlySeen(const QString &folder)
{
    if (wholeFolders())
        m_ctx.partlySeenFolders.append(folder);
    return false;
}

bool GetFilesLib::leftOut(const DirectoryListing::Entry &e) const
{
    return !(e.name.startsWith(u'.') && !m_rules->includeHidden);
}

void GetFilesLib::recordFile(const QString &folder, const DirectoryListing::Entry &e,
                             std::optional<quint32> &folderNumber, qint32 &files, qint64 &total)
{
    const bool remember = m_rememberEveryFile || e.links > 1;
    const bool seen = remember && m_recorded.contains(e.id);
    // The folder search keeps every name, as part of its folder; the comparison sees a file once.
    if (seen && !wholeFolders())
        return;
    if (remember && !seen)
        m_recorded.insert(e.id);
    if (!folderNumber)
        folderNumber = m_files.addFolder(folder);
    if (seen)
        m_ctx.laterNames.push_back(static_cast<FileList::Index>(m_files.count()));
    if (e.hashed)
        m_ctx.listedHashes.set(static_cast<FileList::Index>(m_files.count()), e.hash);
    m_files.append(*folderNumber, e.name, e.size, e.mtime, e.id);
    total += seen ? 0 : e.size;
    ++files;
}

void GetFilesLib::generateFolderList(const QString &folder, qint32 &folders, qint32 &files, qint64 &total)
{
    // Every entry of an excluded folder is ignored, so it is not even listed.
    if (isFolderExcluded(folder))
    {
        partlySeen(folder);
        return;
    }

    // Every entry of a protected folder is protected (only a location can start in one); in a
    // folder that holds a protected one, such as "/", each entry is tested; elsewhere none is.
    if (m_rules->protect && SystemFolders::isProtected(folder))
    {
        partlySeen(folder);
        return;
    }
    const bool testEach = m_rules->testsEachEntry(folder);

    const size_t depth = m_openFolders.size();
    if (m_listings.size() <= depth)
        m_listings.emplace_back();
    std::vector<DirectoryListing::Entry> &entries = m_listings[depth];
    DirectoryListing::FileId folderId;
    if (!listFolder(folder, entries, folderId))
        return;
    m_openFolders.push_back(folderId);
    // The entry counter counts reads as a listing that starts with "." and ".." and ends with a
    // failed read would: progress then shows at the same points.
    ++m_entryCounter;

    // The folder text is kept once, when its first file is recorded; a folder compared whole is
    // kept also without files.
    std::optional<quint32> folderNumber;
    if (wholeFolders())
        folderNumber = m_files.addFolder(folder);
    for (const DirectoryListing::Entry &e : entries)
    {
        m_ctx.sink.progress(
            {ScanProgress::Stage::Walk, m_ctx.totalFiles + qint64{files}, m_ctx.totalFolders + qint64{folders}});
        if (!m_ctx.keepGoing())
            break;
        if (e.kind == DirectoryListing::Kind::Folder)
        {
            if (m_rules->enters(folder, testEach, e))
            {
                QString sub = folder + e.name + u'/';
                // A folder inside two overlapping locations is walked twice, but counted once.
                const qsizetype counted = m_countedFolders.size();
                m_countedFolders.insert(sub);
                if (m_countedFolders.size() > counted)
                    ++folders;
                generateFolderList(sub, folders, files, total);
                if (m_entryCounter % 50 == 0)
                    showProgress(folder, e.name);
            }
            else if (leftOut(e))
            {
                partlySeen(folder);
            }
        }
        else if (e.kind == DirectoryListing::Kind::File && e.hasDetails && sizeAccepted(e.size))
        {
            recordFile(folder, e, folderNumber, files, total);
        }
        else if (leftOut(e))
        {
            partlySeen(folder);
        }
        ++m_entryCounter;
    }
    ++m_entryCounter;
    m_openFolders.pop_back();
}

void GetFilesLib::truncate(qsizetype from)
{
    for (qsizetype i = from; i < m_files.count(); ++i)
        m_recorded.remove(m_files.id(static_cast<FileList::Index>(i)));
    std::erase_if(m_ctx.laterNames, [from](FileList::Index i) { return i >= from; });
    m_ctx.listedHashes.truncate(from);
    m_files.truncate(from);
}
