// SPDX-License-Identifier: GPL-3.0-or-later
// Small file-system questions asked all over Corvina.
#pragma once

#include <QString>

namespace FileFunctions
{
/// True when the path names an existing regular file (hidden files included); any failure of the
/// test (a bad path, a missing folder, a symbolic link, a folder) gives false.
bool fileExists(const QString &path);

/// True when the path names an existing folder.
bool folderExists(const QString &path);
} // namespace FileFunctions
