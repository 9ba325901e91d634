// SPDX-License-Identifier: GPL-3.0-or-later
// The two pages of advanced marking as list logic: "By Range" keeps one file per group by a
// rule, "By Folders" marks the files of ticked folders.
#pragma once

#include "results/MarkingRules.h"

#include <QString>

#include <vector>

class ResultModel;

/// The file each group keeps under "By Range".
enum class KeepRule
{
    NewerFiles,   // the latest last-modified date and time
    OlderFiles,   // the earliest
    LargerFiles,  // the largest size
    SmallerFiles, // the smallest
    NewerVersion, // the newest file version, part by part
    OlderVersion  // the oldest
};

struct RangeOptions
{
    KeepRule rule = KeepRule::NewerFiles;
    double limitKb = 0; // 0: no limit
    QString mask;       // only files matching it are considered
};

/// One row of the folder list: a folder text (ending with "/") and its tick.
struct FolderTick
{
    QString folder;
    bool ticked = false;

    bool operator==(const FolderTick &) const = default;
};

namespace AdvancedMarking
{
/// Sorts the list by group; in each group marks the files matching the mask except the one the
/// rule keeps (dates as date-times, sizes as numbers, versions part by part; equal values are
/// settled by the 1-based row position compared as text, in the rule's direction). With a limit,
/// the walk ends at the first matching file met once the total marked by this run is above it.
/// Other rows keep their marks; the tally counts only what this run marked.
MarkOutcome markByRange(ResultModel &model, const RangeOptions &options);
/// The marks of markByRange on the list as it stands, without sorting it: each run of rows of one
/// group number is a group, and positions are those of the rows where they stand.
MarkTally markByRangeAsListed(ResultModel &model, const RangeOptions &options);

/// With includeSubFolders, first ticks every folder that begins with a ticked one (exact text).
/// Then marks the rows of ticked folders whose names match the mask, leaving the rows in their
/// order; other rows keep their marks; the tally counts only what this run marked.
MarkOutcome markByFolders(ResultModel &model, std::vector<FolderTick> &folders, bool includeSubFolders,
                          const QString &mask);

/// Ticks every folder that begins with a ticked folder (case-sensitive prefix).
void tickSubFolders(std::vector<FolderTick> &folders);
} // namespace AdvancedMarking
