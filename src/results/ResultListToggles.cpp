// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultListToggles.h"

#include "results/MarkingCommands.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMouseEvent>

ResultListToggles::ResultListToggles(QAbstractItemView *view, MarkingCommands &commands)
    : QObject(view), m_view(view), m_viewport(view->viewport()), m_commands(commands)
{
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
}

int ResultListToggles::twips(int pixels, int logicalDpiX)
{
    return logicalDpiX > 0 ? pixels * 1440 / logicalDpiX : pixels * 15;
}

bool ResultListToggles::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress)
    {
        // Before the view: it would otherwise make the focused row the whole selection.
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Space && !(key->modifiers() & Qt::ControlModifier))
            return m_commands.markSelectionBySpace();
        return false;
    }
    if (watched != m_viewport)
        return false;
    switch (event->type())
    {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        m_commands.rememberPointer(twips(mouse->position().toPoint().x(), m_view->logicalDpiX()));
        break;
    }
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_afterDoubleClick)
        {
            m_afterDoubleClick = false;
            break;
        }
        if (mouse->button() == Qt::LeftButton && m_view->indexAt(mouse->position().toPoint()).isValid())
            m_commands.toggleMarkAtPointer();
        break;
    }
    case QEvent::MouseButtonDblClick: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        m_afterDoubleClick = true;
        if (mouse->button() != Qt::LeftButton)
            break;
        m_commands.rememberPointer(twips(mouse->position().toPoint().x(), m_view->logicalDpiX()));
        m_commands.markOrOpenAtPointer();
        break;
    }
    default:
        break;
    }
    return false;
}
