// SPDX-License-Identifier: GPL-3.0-or-later
// How corvina-cli writes what a scan found.
#pragma once

#include "engine/ScanPipeline.h"

#include <QByteArray>

class QIODevice;
class ResultModel;

namespace CliOutput
{
/// Numbered groups as the result list shows them: a "Group N" line, then one line per file with
/// its size in bytes, last-modified date, file version and full path (escaped, CliText); a blank
/// line after each group. Rows without a group (the zero-size listing) come under "Group N/A".
/// With showMarks a marked file's line starts with "*" instead of a blank.
void writeText(const ResultModel &model, QIODevice &out, bool showMarks);
inline void writeText(const ResultModel &model, QIODevice &out)
{
    writeText(model, out, false);
}

/// One line per group, the full paths (escaped, CliText) separated by a TAB, in group order; each
/// row without a group (the zero-size listing) on a line of its own.
void writeGroups(const ResultModel &model, QIODevice &out);

/// A JSON array with one object per group, one object a line: "group" (its number, null for a
/// row of the zero-size listing, which stands alone), "size" (the bytes of each of its files;
/// null when a search by name grouped files of several sizes) and "files",
/// each with "path", "size", "modified" (ISO 8601 local time with its offset; null when
/// unknown) and, with showMarks, "marked". A path that is not UTF-8 shows U+FFFD for each byte
/// that is not, and its exact bytes follow in "path_base64".
void writeJson(const ResultModel &model, QIODevice &out, bool showMarks);

/// Each path as its bytes followed by a NUL byte, in group order; with onlyMarked only the
/// marked files. For xargs -0.
void writeNul(const ResultModel &model, QIODevice &out, bool onlyMarked);

/// The four closing status texts in the user's language, one per line; the limits that kept files
/// out (LeftOutText); then, when something was left out, the locations not searched and how many folders and files
/// could not be read, and with verbose each of these.
QByteArray summary(const ScanSummary &summary, bool verbose = false);

/// The folder search's closing line in the user's language: "Duplicate folders: 4 in 2 groups",
/// and with `contained` "; 3 folders with nothing unique".
QByteArray folderSummary(const FolderReport &report, bool contained);

/// The closing counts in the user's language, as the window's status panels 2 to 4 read:
/// "Duplicate Files: 2  Size: 3.00 KB", "Files : 10", "Folders : 3".
QString duplicatesLine(qint32 count, qint64 bytes);
QString filesLine(qint32 count);
QString foldersLine(qint32 count);
} // namespace CliOutput
