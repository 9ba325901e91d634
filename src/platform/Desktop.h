// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's services: opening files with their programs, the file manager, the clipboard.
#pragma once

#include <QString>

namespace Desktop
{
enum class OpenResult
{
    Started,
    NoAssociatedProgram, // the desktop knows no program for this type of file
    Failed,
};

/// Opens the file with the program the desktop associates with its type.
OpenResult openFile(const QString &path);

/// Opens the folder in the file manager.
bool openFolder(const QString &folder);

/// Shows the file selected in the desktop's file manager; opens its folder when the file
/// manager cannot select it.
void showInFileManager(const QString &path);

/// Replaces the clipboard's content with plain text.
void setClipboardText(const QString &text);
} // namespace Desktop
