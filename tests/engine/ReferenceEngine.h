// SPDX-License-Identifier: GPL-3.0-or-later
// The content search in its plain form, pair by pair, in keyed collections: the reference that
// the fast engine must agree with.
#pragma once

#include "core/CHive.h"
#include "engine/ScanTypes.h"

namespace ReferenceEngine
{
/// The collections the plain search works in: every file, the candidate group, the results.
struct Hives
{
    CHive files;
    CHive group;
    CHive results;
};

/// Adds one entry per record of ctx.sortedFiles to hives.files, in that order: the record's four
/// fields size first, then 1 and 1.
void load(const ScanContext &ctx, Hives &hives);

/// Runs of equal size from hives.files, each compared by compareGroup below.
void findSameSize(ScanContext &ctx, Hives &hives);

/// Repeated listings dropped, then every file compared with every later file still in the
/// group through compareFilesExact, compareFilesFuzzy or sameCrc; matched files leave the group.
void compareGroup(ScanContext &ctx, Hives &hives);
} // namespace ReferenceEngine
