// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's status bar: its panels, the totals of the last scan or load, and the clock.
#include "app/MainFrm.h"

#include "core/VisibleText.h"
#include "search/LeftOutText.h"
#include "search/SearchLocationModel.h"

#include <QCheckBox>
#include <QLabel>

void MainFrm::setPanel(Panel p, const QString &text)
{
    // Progress names folders, and a folder's name may hold a newline.
    panel(p)->setText(VisibleText::of(text));
}

void MainFrm::showStartPrompt()
{
    setPanel(Panel::Activity, tr("Add search path and click on the scan button to start search."));
    // Hours, minutes and seconds: the same digits in every language.
    setPanel(Panel::Clock, QStringLiteral("00:00:00"));
}

void MainFrm::showTotals()
{
    setPanel(Panel::Duplicates, m_totals.shownDuplicates());
    setPanel(Panel::Files, m_totals.shownFiles());
    setPanel(Panel::Folders, m_totals.shownFolders());
}

void MainFrm::showLeftOut()
{
    m_leftOutLabel->setText(LeftOutText::of(m_locations->locations(), m_includeHiddenCheck->isChecked()));
}

void MainFrm::showElapsedTime()
{
    setPanel(Panel::Clock, m_stopwatch.elapsed());
}

void MainFrm::questionWaits(bool waiting)
{
    if (waiting)
        m_stopwatch.pause();
    else
        m_stopwatch.resume();
}
