// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the main window's buttons: the desktop's icon theme where it has one, else
// Corvina's own.
#pragma once

#include <QIcon>

namespace ToolbarIcons
{
enum class Picture
{
    Scan,
    Cancel,
    Mark,
    Copy,
    Move,
    Delete,
    Rename,
    Export,
    ViewerOn,  // image 10
    ViewerOff, // image 9
    Recycle,   // image 12
    Permanent, // image 11
    Add,
    Remove,
    Program, // the application's own icon
};

QIcon icon(Picture picture);
} // namespace ToolbarIcons
