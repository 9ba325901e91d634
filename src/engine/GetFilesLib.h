// SPDX-License-Identifier: GPL-3.0-or-later
// The walk: every search location's folder tree turned into file records.
#pragma once

#include "engine/FileList.h"
#include "engine/ListAhead.h"
#include "engine/ScanTypes.h"
#include "platform/DirectoryListing.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

/// What the walk of one location found.
struct ScanTotals
{
    qint64 totalSize = 0;   // sum of the sizes of the accepted files
    qint32 fileCount = 0;   // accepted files
    qint32 folderCount = 0; // sub-folders entered
};

/// Which folders the walk enters and which files it looks at, for one location. Holds copies
/// only, so listings made on other threads give the same answers.
struct WalkRules
{
    bool subFolders = false;
    bool includeHidden = false;
    bool protect = true;
    bool anyName = true;
    QString mask;
    QStringList excluded; // each with exactly one trailing "/"

    /// isFolderExcluded.
    bool excludes(const QString &folder) const;
    /// True when folder holds a protected folder, so that each entry must be tested.
    bool testsEachEntry(const QString &folder) const;
    /// Whether a file of folder gets details (and can be recorded).
    bool wantsDetails(const QString &folder, bool testEach, QStringView name) const;
    /// Whether the walk goes into the entry, a sub-folder of folder.
    bool enters(const QString &folder, bool testEach, const DirectoryListing::Entry &e) const;
    /// The sub-folders of folder that the walk lists next, in its order.
    std::vector<ListAhead::Folder> subFoldersToList(const std::shared_ptr<const WalkRules> &self, const QString &folder,
                                                    const std::vector<DirectoryListing::Entry> &entries) const;
    static ListAhead::WantDetails filter(const std::shared_ptr<const WalkRules> &rules, const QString &folder);
};

/// Walks the search locations of one scan and appends a record for every accepted file to
/// the FileList it was given. Directory links are never followed; links to files, FIFOs,
/// sockets and devices are never recorded; folders that cannot be read are passed over and
/// listed in ctx.unreadableFolders; a file reached again (another location, a hard link) is
/// recorded only the first time, and a sub-folder entered again is counted only the first time.
///
/// Options come from the context (engine, protect, hidden); each step of the walk asks
/// ctx.keepGoing(), and progress (texts, and the files and folders found) goes to the sink.
class GetFilesLib
{
public:
    /// With listing workers, other threads list the folders ahead of the walk (the records are
    /// the same either way).
    GetFilesLib(ScanContext &ctx, FileList &fileList, int listingWorkers = defaultListingWorkers());

    /// One per processor, at most four.
    static int defaultListingWorkers();

    /// The excluded folders, each followed by ";" ("/tmp/a;/srv/old;").
    void setExcludeList(const QString &excludeList);

    /// Walks one location: appends "/" to folder when it lacks one (the caller's text too),
    /// enters sub-folders only when subFolders is exactly "Yes", and keeps files whose name
    /// matches mask and whose size lies within minKb and maxKb kilobytes (a minimum that is not
    /// a number is 0; an empty maximum is none). A maximum that is not a number, or a limit too
    /// large for a byte count, throws RaisedError before anything is walked.
    ScanTotals enumerateLocation(QString &folder, const QString &subFolders, const QString &mask, const QString &minKb,
                                 const QString &maxKb);

    /// True when folder (ending with "/") is one of the excluded folders, compared as a whole
    /// path without regard to case. A folder below an excluded one is not excluded by this test.
    bool isFolderExcluded(const QString &folder) const;

    /// Forgets the records from index `from` on, so a location whose walk failed can run again.
    void truncate(qsizetype from);

private:
    void generateFolderList(const QString &folder, qint32 &folders, qint32 &files, qint64 &total);
    // Lists folder into entries; false when it is not to be walked (Abort, a folder that cannot
    // be listed, or one already open above it).
    bool listFolder(const QString &folder, std::vector<DirectoryListing::Entry> &entries,
                    DirectoryListing::FileId &folderId);
    // Appends the file e of folder to the records, unless it was recorded before.
    void recordFile(const QString &folder, const DirectoryListing::Entry &e, std::optional<quint32> &folderNumber,
                    qint32 &files, qint64 &total);
    bool sizeAccepted(qint64 size) const;
    // The folder search compares trees: it keeps every folder and every name of a file, and
    // notes the folders it could not see whole (partlySeen answers false, to be returned).
    bool wholeFolders() const { return m_ctx.options.engine == ScanOptions::Folders; }
    bool partlySeen(const QString &folder);
    /// True for an entry left out of a folder for any reason but the hidden-files option.
    bool leftOut(const DirectoryListing::Entry &e) const;
    void showProgress(const QString &folder, const QString &name);

    ScanContext &m_ctx;
    FileList &m_files;
    const int m_listingWorkers;
    QStringList m_excluded; // each with exactly one trailing "/"

    // Walk state of the current location.
    std::shared_ptr<const WalkRules> m_rules;
    ListAhead *m_listAhead = nullptr;
    qint64 m_min = 0;
    std::optional<qint64> m_max;
    qint64 m_hashUpTo = 0; // files of up to this many bytes are hashed while listed
    qint32 m_entryCounter = 0;
    bool m_atRoot = true;

    std::vector<DirectoryListing::FileId> m_openFolders;         // the folders being walked, outermost first
    std::deque<std::vector<DirectoryListing::Entry>> m_listings; // one listing buffer per depth

    // A file can be reached twice only through a second name (a hard link) or through a folder
    // listed twice (overlapping locations, bind mounts). Files of the first kind are always
    // remembered; once a folder comes round again, every file is.
    QSet<DirectoryListing::FileId> m_listedFolders;
    bool m_rememberEveryFile = false;
    QSet<DirectoryListing::FileId> m_recorded;
    QSet<QString> m_countedFolders; // every sub-folder entered, so that each counts once
};
