// SPDX-License-Identifier: GPL-3.0-or-later
// The scan from the walk to the final status texts, without any window: what the Scan command
// runs once the window has saved the default session, switched to the busy state and emptied
// the result list, and what corvina-cli runs for its folders.
#pragma once

#include "engine/FolderCopies.h"
#include "engine/ScanTypes.h"
#include "results/RowAnchors.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class ResultModel;
class SearchLocationList;

/// The kind of list a search with these options makes.
ListOrigin listOriginOf(const ScanOptions &options, bool fromSession);

/// Records where the model's rows were found (anchorRows), from the locations that are searched,
/// not excluded, and which of them are in reference locations (ResultModel::applyReferences).
void anchorResults(ResultModel &model, const SearchLocationList &locations, const ScanOptions &options,
                   bool fromSession, const std::function<void()> &yield = {});

/// A search location that a scan did not search, and why.
struct SkippedLocation
{
    enum class Reason
    {
        Missing,    // no such folder
        Protected,  // a system folder, and "Protect System Folders" is on
        Unreadable, // the folder could not be listed
    };
    QString folder;
    Reason reason = Reason::Missing;
};

/// What a scan leaves for its caller.
struct ScanSummary
{
    /// Which engine filled the result list; the window sets its marking menu entries from it.
    enum class Listing
    {
        None,     // no engine ran (no files, a cancel during the walk, a declined confirmation)
        Groups,   // duplicate groups: "Mark All Duplicates" and the advanced marking
        ZeroSize, // the zero-size listing: "Mark All"
    };

    qint32 totalFiles = 0;
    qint32 totalFolders = 0;
    qint32 duplicateCount = 0;
    qint64 duplicateSize = 0; // bytes
    bool cancelSearch = false;
    Listing listing = Listing::None;

    // The final texts of status panels 1 to 4: the activity in the user's language, the others in
    // the English form session files and the HTML report keep (StatusTexts).
    QString activity;   // "Search Completed." or "Search Terminated."
    QString duplicates; // "Duplicate Files: 2  Size: 3.00 KB"
    QString files;      // "Files : 10"
    QString folders;    // "Folders : 3"

    // What was left out: locations not searched, and what could not be read inside the others
    // (full paths, in the order met).
    std::vector<SkippedLocation> skipped;
    QStringList unreadableFolders;
    QStringList unreadableFiles;
    /// What the locations and options kept out by design, in the user's language (LeftOutText);
    /// "" when they take every file.
    QString limits;
    /// The folder search's answer (empty for the other engines).
    FolderReport folderCopies;

    /// One sentence per location not searched, then how many files and folders could not be
    /// read: "\"/media/usb\" was not searched: no such folder. 2 files could not be read."; ""
    /// when nothing was left out.
    QString notice() const;
};

/// Runs one scan: collects the excluded folders, walks every other location (a location that does
/// not exist, or that "Protect System Folders" keeps out, is named in the summary), asks before
/// handling more than the too-many-files limit, sorts and loads the records, runs the engine
/// chosen in the options and fills the result model.
///
/// Everything that waits on the user goes through the sink: keepGoing() once per step of every
/// loop (yield there; answer false to cancel), status() and caption() for progress (called very
/// often: store the text and show it when the event loop runs), confirmTooManyFiles(), and
/// errors() for unexpected failures, reported with the labels "Scanning", "Generate Folder List",
/// "Find Same", "Find Duplicates" and "Find Same Name"; Abort in "Scanning" ends the scan as
/// cancelled.
class ScanPipeline
{
public:
    static constexpr qint32 DefaultTooManyFiles = 100000;

    ScanPipeline(ScanSink &sink, ResultModel &model);

    /// Scans the locations with the options and appends the result rows to the model (which the
    /// caller has emptied). Progress texts go to the sink while it runs.
    ScanSummary run(const SearchLocationList &locations, const ScanOptions &options);

    /// More files than this ask the sink before the engine runs (100000; tests lower it).
    void setTooManyFilesLimit(qint32 limit) { m_tooManyFiles = limit; }

private:
    ScanSink &m_sink;
    ResultModel &m_model;
    qint32 m_tooManyFiles = DefaultTooManyFiles;
};
