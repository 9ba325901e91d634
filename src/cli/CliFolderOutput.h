// SPDX-License-Identifier: GPL-3.0-or-later
// How corvina-cli writes what the folder search found.
#pragma once

#include "cli/CliOptions.h"
#include "engine/FolderCopies.h"

#include <QSet>
#include <QString>

class QIODevice;

namespace CliFolderOutput
{
/// The folders' marks and reference rows, by path (ending with "/").
struct Marks
{
    bool shown = false; // --mark was given: marks are shown, and null lists only marked folders
    QSet<QString> marked;
    QSet<QString> references;
};

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
/// As for files, a folder of a reference location starts its text line with "R", and with marks
/// shown a marked one with "*"; json then says "marked", and null lists only the marked folders.
void write(const FolderReport &report, CliOptions::Format format, bool contained, const Marks &marks, QIODevice &out);
} // namespace CliFolderOutput
