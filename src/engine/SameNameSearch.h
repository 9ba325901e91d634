// SPDX-License-Identifier: GPL-3.0-or-later
// The two engines that never compare contents: Same Name Files and Zero Size Files.
#pragma once

#include "engine/ScanTypes.h"

#include <QString>

#include <functional>

class ResultModel;

/// Groups the files of ctx.sortedFiles (record numbers of ctx.files sorted name first) whose names
/// are equal without regard to case and surrounding blanks, whatever their sizes and contents.
/// Drops repeated listings of one path first (totalFiles - 1 each) and passes over files of a
/// unique name; appends each group to ctx.results (size key, name, folder, version, shade, date)
/// and counts every member after the first in duplicateCount and duplicateSize. Stops at a cancel;
/// a failure goes to the sink's error report as "Find Same Name" (Abort leaves the search).
void findSameName(ScanContext &ctx);

/// The zero-size listing: appends one row per file of ctx.sortedFiles (record numbers of
/// ctx.files, sorted size first) that still exists: size 0, group and version "N/A", no group
/// number. Yields once per file and always runs to the end; a cancel is only recorded in
/// ctx.cancelSearch.
void listZeroSizeFiles(ScanContext &ctx, ResultModel &model,
                       const std::function<bool(const QString &)> &fileExists = {});
