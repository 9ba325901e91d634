// SPDX-License-Identifier: GPL-3.0-or-later
// What makes two files alike in a Same Name list and in a fuzzy list: the searches group files by
// these rules, and an act on such a list proves them again on the disk.
#pragma once

#include <QStringView>
#include <QtGlobal>

namespace ListRules
{
/// The fuzzy comparison counts equal blocks of this many bytes; a trailing part block does not
/// count.
constexpr qint64 SimilarBlock = 1000;

/// True when two names are the same name: equal without regard to case once blanks at both ends
/// are set aside.
bool sameName(QStringView a, QStringView b);

/// The fuzzy verdict for `equal` equal blocks out of `blocks` (at least 1): 100 / blocks * equal,
/// rounded to four decimals, is 50 or more.
bool similarEnough(qint64 equal, qint64 blocks);

/// True for a name that the fuzzy comparison leaves out: a hidden file (a leading ".").
bool leftOutOfSimilar(QStringView name);
} // namespace ListRules
