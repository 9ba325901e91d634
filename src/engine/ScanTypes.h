// SPDX-License-Identifier: GPL-3.0-or-later
// What a scan is given (options), what it asks of its caller (the sink), and the state it keeps.
#pragma once

#include "core/ErrorReport.h"
#include "engine/FileList.h"
#include "engine/ListedHashes.h"
#include "engine/PictureGroups.h"
#include "engine/ResultList.h"

#include <QString>
#include <QStringList>

#include <vector>

/// The engine and the two options chosen in the main window.
struct ScanOptions
{
    enum Engine
    {
        ByteToByte = 1, // "Byte to Byte" (with fuzzy mode when `fuzzy` is set)
        Crc32 = 2,      // "Cyclic Redundancy Check (CRC32)"
        SameName = 3,   // "Same Name Files"
        ZeroSize = 4,   // "Zero Size Files"
        Folders = 5,    // "Duplicate Folders": whole folders, from the groups of Byte to Byte
        Pictures = 6,   // "Similar Pictures": pictures alike to the eye, at `similarity`
    };

    int engine = ByteToByte;
    bool fuzzy = false;         // "Use Fuzzy Logic"; only counts with ByteToByte
    bool protect = true;        // "Protect System Folders": skip the protected system folders
    bool includeHidden = false; // "Include Hidden Folders and Files"
    PictureLevel similarity = PictureGroups::DefaultLevel; // only counts with Pictures
    bool usePictureCache = true; // read and keep pictures' hashes in the cache; only counts with Pictures

    bool operator==(const ScanOptions &) const = default;
};

/// How far a scan has come, for a progress bar beside the status texts.
struct ScanProgress
{
    enum class Stage
    {
        Walk,    // files and folders found so far: nothing yet to measure them against
        Compare, // `done` of `total`: bytes compared by the content engines, files by name
    };
    enum class Unit
    {
        Bytes,
        Files,
    };

    Stage stage = Stage::Walk;
    qint64 files = 0;   // Walk: files recorded so far
    qint64 folders = 0; // Walk: folders entered so far
    qint64 done = 0;    // Compare
    qint64 total = 0;   // Compare
    Unit unit = Unit::Bytes;
};

/// What the scan asks of whoever drives it (the main window, corvina-cli, a test). The window's
/// sink yields to the event loop (throttled) and reads its cancel flag; the engine never calls
/// processEvents() and never reads a global.
class ScanSink
{
public:
    virtual ~ScanSink() = default;

    /// Called once per step of every long loop: lets the caller yield, and answers false once
    /// the user asked to cancel (the scan then sets cancelSearch and stops at this check).
    virtual bool keepGoing() = 0;

    /// True while the main window is minimized: progress then goes to the caption.
    virtual bool minimized() const { return false; }

    /// Status-bar panel 1 text, and the window caption while minimized.
    virtual void status(const QString &text) { Q_UNUSED(text); }
    virtual void caption(const QString &text) { Q_UNUSED(text); }

    /// Where the scan stands; called very often (store it and show it when the event loop runs).
    virtual void progress(const ScanProgress &p) { Q_UNUSED(p); }

    /// More than 100000 files were found: go on? (the "Warning" dialog; true = OK)
    virtual bool confirmTooManyFiles(qint32 totalFiles)
    {
        Q_UNUSED(totalFiles);
        return true;
    }

    /// Where unexpected failures are reported (Retry / Abort).
    virtual ErrorReporter &errors() = 0;
};

/// The state of one scan: the records, their sorted order, the candidate group, the results and
/// the counters the status bar shows.
struct ScanContext
{
    explicit ScanContext(ScanSink &s, ScanOptions o = {}) : sink(s), options(o) {}

    ScanSink &sink;
    ScanOptions options;

    FileList files;            // the records of the walk
    ListedHashes listedHashes; // the bytes of small files, hashed by the walk for the byte search
    ResultList results{files}; // the duplicates confirmed, in group order

    // Record numbers: every file in sorted order, and the candidate group being compared. Plain
    // numbers, four bytes a file: the engines read them by position and never look one up by key.
    std::vector<FileList::Index> sortedFiles;
    std::vector<FileList::Index> group;

    qint16 groupShade = 0; // 1, 2, 1, 2 ... from one group to the next; 0 before the first
    qint32 totalFiles = 0;
    qint32 totalFolders = 0;
    qint32 duplicateCount = 0;
    qint64 duplicateSize = 0; // bytes
    bool cancelSearch = false;

    // The content engines' progress: the bytes of every file that has a file of its size, and
    // the bytes of the candidate groups settled so far.
    qint64 bytesToCompare = 0;
    qint64 bytesCompared = 0;

    // What could not be read: folders the walk could not list, files the engines could not open
    // or read. Full paths, in the order met.
    QStringList unreadableFolders;
    QStringList unreadableFiles;

    // The folder search: folders whose trees were not seen whole, and the records that are
    // another name (a hard link) of a file recorded before, ascending.
    QStringList partlySeenFolders;
    std::vector<FileList::Index> laterNames;

    /// One step of a loop: asks the sink and records a cancel.
    bool keepGoing()
    {
        if (!cancelSearch && !sink.keepGoing())
            cancelSearch = true;
        return !cancelSearch;
    }
};
