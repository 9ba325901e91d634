// SPDX-License-Identifier: GPL-3.0-or-later
// How corvina-cli writes what the folder search found.
#pragma once

#include "cli/CliOptions.h"
#include "engine/FolderCopies.h"

class QIODevice;

namespace CliFolderOutput
{
/// The folder groups in `format`, and with `contained` the folders with nothing unique:
/// - Text: a "Folder group N" line, then per folder its size in bytes, its file count, its last
///   change and its path; a blank line after each group. Then, with `contained`, a "Nothing
///   unique" line and the folders whose every file has a copy elsewhere, in the same columns.
/// - Groups: one group per line, the paths separated by a TAB; with `contained`, each such
///   folder on a line of its own.
/// - Json: an array of objects, one a line: "group" (its number; null for a folder with nothing
///   unique), "size" (the bytes of each folder's tree), "folders", each with "path", "files",
///   "size" and "modified" (ISO 8601 local time with its offset; null for a tree without files),
///   and for a folder with nothing unique "elsewhere": 100 (the share of its bytes with a copy
///   elsewhere, in per cent).
/// - Nul: each path followed by a NUL byte.
void write(const FolderReport &report, CliOptions::Format format, bool contained, QIODevice &out);
} // namespace CliFolderOutput
