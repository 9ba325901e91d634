// SPDX-License-Identifier: GPL-3.0-or-later
// The folder search's answer as rows of the result list.
#pragma once

#include "engine/FolderCopies.h"
#include "results/ResultRow.h"

#include <vector>

namespace FolderRows
{
/// One row per folder: its name, the folder that holds it as the path, the bytes and the newest
/// date of its tree, and its file count in the version column. The folders of group N have group
/// N; the folders with nothing unique follow, in no group (group 0). No row carries a file
/// identity: a row of folders is never acted on as a file.
std::vector<ResultRow> of(const FolderReport &report);
} // namespace FolderRows
