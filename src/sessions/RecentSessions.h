// SPDX-License-Identifier: GPL-3.0-or-later
// The session files a user saved or opened last, as File > Open Recent and the Open dialog offer them.
#pragma once

#include <QString>
#include <QStringList>

namespace RecentSessions
{
/// How many the list keeps.
inline constexpr qsizetype Kept = 8;

/// The list with path first: named once (by its absolute, clean form), and the oldest dropped
/// beyond Kept. An empty path leaves the list as it is.
QStringList withLatest(const QStringList &recent, const QString &path);

/// The list without path, once the file is found gone.
QStringList without(const QStringList &recent, const QString &path);
} // namespace RecentSessions
