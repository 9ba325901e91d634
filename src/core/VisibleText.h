// SPDX-License-Identifier: GPL-3.0-or-later
// Names shown to a person: characters that would break a row or hide a name get a visible mark.
#pragma once

#include <QString>

namespace VisibleText
{
/// The text with every character that a list row, a status line or a title cannot show as it
/// stands replaced by one visible mark: a C0 control by its Unicode control picture (U+2400 +
/// the code, so a newline shows as U+240A, a TAB as U+2409), DEL by U+2421; a C1 control, the
/// line and paragraph separators, the bidirectional embeddings, overrides and isolates, and a
/// byte that is not UTF-8 (carried as U+DC80..U+DCFF) by U+FFFD. Other text is unchanged, and a
/// text that needs no mark is returned as it is, without a copy.
QString of(const QString &text);
} // namespace VisibleText
