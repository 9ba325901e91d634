// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user folders where Corvina keeps its own files.
#pragma once

#include <QString>

namespace AppFolders
{
/// The per-user data folder ("Corvina" in the desktop's data location), created when missing.
QString dataFolder();

/// The default session: the locations and options of the last scan or the last run.
QString defaultSessionPath();

/// The per-user cache folder ("Corvina" in the desktop's cache location), created when missing.
QString cacheFolder();
} // namespace AppFolders
