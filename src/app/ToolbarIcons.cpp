// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ToolbarIcons.h"

#include <iterator>

namespace
{
struct Source
{
    const char *theme; // the freedesktop.org icon name, or nullptr where none fits
    const char *file;  // the bundled picture used when the desktop's theme has none
};

// By Picture. The viewer and deletion toggles keep their own pictures: a pair from two
// different sets would not read as one switch.
const Source kSources[] = {
    {"edit-find", "scan"},  {"process-stop", "cancel"}, {"edit-select-all", "mark"}, {"edit-copy", "copy"},
    {"edit-cut", "move"},   {"edit-delete", "delete"},  {"edit-rename", "rename"},   {"document-save-as", "export"},
    {nullptr, "viewer-on"}, {nullptr, "viewer-off"},    {nullptr, "trash"},          {nullptr, "delete-for-good"},
    {"list-add", "add"},    {"list-remove", "remove"},
};
static_assert(std::size(kSources) == static_cast<size_t>(ToolbarIcons::Picture::Program));
} // namespace

namespace ToolbarIcons
{
QIcon icon(Picture picture)
{
    if (picture == Picture::Program)
        return QIcon::fromTheme(QStringLiteral("io.github.corvina.Corvina"), QIcon(QStringLiteral(":/corvina.svg")));
    const Source &s = kSources[static_cast<size_t>(picture)];
    const QIcon bundled(QStringLiteral(":/icons/%1.png").arg(QLatin1String(s.file)));
    return s.theme ? QIcon::fromTheme(QLatin1String(s.theme), bundled) : bundled;
}
} // namespace ToolbarIcons
