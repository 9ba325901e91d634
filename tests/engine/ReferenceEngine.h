// SPDX-License-Identifier: GPL-3.0-or-later
// The content search in its plain form, pair by pair: the reference that the fast engine
// must agree with.
#pragma once

#include "engine/ScanTypes.h"

namespace ReferenceEngine
{
/// Runs of equal size from fileHive, each compared by compareGroup below.
void findSameSize(ScanContext &ctx);

/// Repeated listings dropped, then every file compared with every later file still in the
/// group through compareFilesExact, compareFilesFuzzy or sameCrc; matched files leave the group.
void compareGroup(ScanContext &ctx);
} // namespace ReferenceEngine
