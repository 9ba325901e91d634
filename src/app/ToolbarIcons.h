// The pictures of the main window's buttons, drawn in code so that they need no image plugin.
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
    Program,
};

QIcon icon(Picture picture);
} // namespace ToolbarIcons
