// SPDX-License-Identifier: GPL-3.0-or-later
// The content engines: Byte to Byte (exact or fuzzy) and CRC32 over the sorted file records.
#pragma once

#include "engine/ContentGroups.h"
#include "engine/FileRecord.h"
#include "engine/ScanTypes.h"

#include <QString>

#include <atomic>
#include <functional>
#include <optional>

class CompareAhead;
class GroupFeed;

namespace SearchEngine
{
/// Cuts ctx.sortedFiles (record numbers of ctx.files sorted size first) into runs of equal size,
/// passes over files of unique size and compares each run as ctx.group, appending the groups of
/// copies to ctx.results. Progress goes to the sink.
void findSameSize(ScanContext &ctx);

/// findSameSize with workers that may have been comparing the groups queued by `feed` already
/// (`ahead` compares by methodOf(ctx.options)).
void findSameSize(ScanContext &ctx, CompareAhead &ahead, GroupFeed &feed);

/// The bytes findSameSize has to compare in records sorted size first: every file that shares its
/// size with another, whole. Progress is measured against it (ctx.bytesToCompare).
qint64 bytesToCompare(const FileList &files, const std::vector<FileList::Index> &sorted);

/// How the workers compare files for these options.
ContentGroups::Method methodOf(const ScanOptions &options);

/// 1 = same length and at least half of the whole 1000-byte blocks equal, 0 = not, -1 = a file
/// is missing, hidden, unreadable, or shorter than one block.
int compareFilesFuzzy(const QString &path1, const QString &path2);

/// The CRC-32 of a file's whole content; nothing when it cannot be read, or when keepGoing
/// (asked between two large reads of a long file) answers false. The bytes read are added to
/// bytesRead as they are read.
std::optional<quint32> fileCrc32(const QString &path, const std::function<bool()> &keepGoing = {},
                                 std::atomic<qint64> *bytesRead = nullptr);

/// True for a name that the fuzzy look-up does not find: a hidden file (a leading ".").
bool isHiddenFile(const QString &path);
} // namespace SearchEngine
