// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds the result list's clicks, double clicks and space bar to the marking commands.
#pragma once

#include <QObject>

class MarkingCommands;
class QAbstractItemView;

/// Watches a view of the result list: every mouse press reports the pointer's distance from the
/// list's left edge in twips, a click on a row toggles (within 300 twips of the edge), a double
/// click marks or unmarks the selection or asks to open the file, and the space bar marks or
/// unmarks the selection before the view would change it. Events come in the order the list
/// reports them: press, click, then for a double click the double click itself and no second
/// click.
class ResultListToggles : public QObject
{
    Q_OBJECT
public:
    ResultListToggles(QAbstractItemView *view, MarkingCommands &commands);

    /// Pixels from the left edge as twips at the view's resolution (15 per pixel at 96 dpi).
    static int twips(int pixels, int logicalDpiX);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractItemView *m_view = nullptr;
    // Kept, since the view may be half destroyed when its last events arrive.
    QObject *m_viewport = nullptr;
    MarkingCommands &m_commands;
    bool m_afterDoubleClick = false;
};
