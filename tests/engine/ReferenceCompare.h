// SPDX-License-Identifier: GPL-3.0-or-later
// The pairwise comparisons of the plain content search: one pair of files at a time, read whole.
// The engine itself compares sets of files in step (ContentGroups); the reference engine and the
// tests of the comparison rules use these.
#pragma once

#include <QString>

namespace ReferenceCompare
{
/// 1 = same length and same bytes, 0 = different, -1 = a file could not be opened or read.
int compareFilesExact(const QString &path1, const QString &path2);

/// True when both files can be read and their CRC-32 checksums are equal.
bool sameCrc(const QString &path1, const QString &path2);
} // namespace ReferenceCompare
