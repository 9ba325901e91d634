// SPDX-License-Identifier: GPL-3.0-or-later
// The content search in its plain form, pair by pair: the reference that the fast engine
// must agree with.
#pragma once

#include "engine/ScanTypes.h"

namespace ReferenceEngine
{
/// Runs of equal size from FileHive, each compared by CompareGroup below.
void FindSameSize(ScanContext &ctx);

/// Repeated listings dropped, then every file compared with every later file still in the
/// group through CompareFilesExact, CompareFilesFuzzy or CRC; matched files leave the group.
void CompareGroup(ScanContext &ctx);
} // namespace ReferenceEngine
