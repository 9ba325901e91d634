// SPDX-License-Identifier: GPL-3.0-or-later
// Listing one folder's entries.
#pragma once

#include <QString>

#include <functional>

namespace FolderEntries
{
struct Entry
{
    QString name;  // without the folder; "." and ".." are never listed
    bool isFolder; // a real folder; a link to one is not
};

/// Calls visit for each entry of folder until it returns false. False when the folder could
/// not be listed.
bool forEach(const QString &folder, const std::function<bool(const Entry &)> &visit);
} // namespace FolderEntries
