// SPDX-License-Identifier: GPL-3.0-or-later
// The user's home folder and the per-user folders where Corvina keeps its own files.
#pragma once

#include <QString>

namespace AppFolders
{
/// The user's home folder: $HOME when it is set to a full path, else the home folder of the real
/// user's entry in the user database. Empty when neither gives one; homeProblem() says why.
QString homeFolder();

/// Why homeFolder() is empty, as a sentence part ("HOME is not set and the user database has no
/// entry for uid 1234"); empty when there is a home folder.
QString homeProblem();

/// Sets HOME to homeFolder() when it is unset or not a full path, so that Qt's folders
/// (QDir::homePath(), file dialogs) agree with Corvina's instead of taking "/". Call first in
/// main(), before any thread exists: it changes the environment.
void exportHome();

/// $XDG_CONFIG_HOME when it is a full path, else ~/.config; empty without a home folder.
QString configHome();

/// $XDG_DATA_HOME when it is a full path, else ~/.local/share; empty without a home folder.
QString dataHome();

/// Makes folder, a folder for Corvina's own files, readable by the user alone: created with mode
/// 0700 when missing (with any missing folders above it, also 0700), and an existing one of the
/// user's own that others may enter is closed to them. mustExist, a folder above it, is never
/// created: the home folder, where folder lies below it. False, with errno set, when it cannot.
bool makePrivateFolder(const QString &folder, const QString &mustExist = QStringLiteral("/"));

/// The settings folder ("Corvina" in configHome()), made private (makePrivateFolder); empty
/// without a home folder.
QString configFolder();

/// The per-user data folder ("Corvina" in dataHome()), made private (makePrivateFolder); empty
/// without a home folder.
QString dataFolder();

/// The default session: the locations and options of the last scan or the last run. Empty
/// without a data folder.
QString defaultSessionPath();

/// The per-user cache folder ("Corvina" in $XDG_CACHE_HOME or ~/.cache), made private; empty
/// without a home folder.
QString cacheFolder();

/// True when folder is reached without a link another user planted, belongs to the effective user
/// and nobody else may write in it: a file there cannot be a link someone else put in its place.
bool isOwnPrivateFolder(const QString &folder);

/// Why dataHome() cannot be had (the home trash lies there), as ownFoldersProblem() says it.
QString dataHomeProblem();

/// Why the settings, data and cache folders cannot be had, as a sentence part ("cannot find
/// your home folder: HOME is not set and ..."), or "" when each has a place: a base folder from
/// XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_CACHE_HOME, or a home folder that exists.
QString ownFoldersProblem();
} // namespace AppFolders
