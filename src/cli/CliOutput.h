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

/// The four closing status texts, one per line; then, when something was left out, the
/// locations not searched and how many folders and files could not be read, and with verbose
/// each of these.
QByteArray summary(const ScanSummary &summary, bool verbose = false);
} // namespace CliOutput
