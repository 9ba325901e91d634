// SPDX-License-Identifier: GPL-3.0-or-later
// The system folders that "Protect System Folders" keeps out of a scan.
#pragma once

#include <QStringList>
#include <QStringView>

namespace SystemFolders
{
/// The protected folders of this platform, without a trailing "/" (on Linux /bin /boot /dev
/// /etc /lib /lib32 /lib64 /proc /run /sbin /snap /sys /usr /var).
const QStringList &protectedFolders();

/// True when path (a file, or a folder with or without its trailing "/") is a protected folder
/// itself or lies anywhere inside one. The test is on the text: /usr/bin/ls and /usr/ are
/// protected, /usr.old/a and /home/usr are not.
bool isProtected(QStringView path);

/// True when a protected folder lies inside folder (a text ending with "/"), so that its entries
/// must be tested one by one; "/" is such a folder, /home/ is not.
bool holdsProtected(QStringView folder);
} // namespace SystemFolders
