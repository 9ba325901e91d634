// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's status bar: its panels, the totals of the last scan or load, and the clock.
#include "app/MainFrm.h"

#include "app/ElidedLabel.h"
#include "core/VisibleText.h"
#include "engine/StatusTexts.h"
#include "results/DuplicateTotals.h"
#include "results/PictureRows.h"
#include "results/ResultModel.h"
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
    m_totals.wholeFolders = m_results->isFolderList();
    m_totals.pictures = PictureRows::isPictureList(*m_results);
    setPanel(Panel::Duplicates, m_totals.shownDuplicates());
    setPanel(Panel::Files, m_totals.shownFiles());
    setPanel(Panel::Folders, m_totals.shownFolders());
}

void MainFrm::countWhatIsLeft()
{
    // A panel that shows no count stays empty; the zero-size listing counts no duplicates.
    if (!m_totals.counted || m_totals.duplicatesText.isEmpty() ||
        m_results->anchors().origin.kind == ListKind::ZeroSize)
        return;
    const DuplicateTotals left = duplicateTotals(*m_results);
    m_totals.duplicateCount = left.count;
    m_totals.duplicateSize = left.size;
    m_totals.duplicatesText = StatusTexts::duplicates(left.count, left.size);
    showTotals();
}

void MainFrm::showLeftOut()
{
    m_leftOutLabel->setText(
        LeftOutText::of(m_locations->locations(), m_includeHiddenCheck->isChecked(), engine() != ScanOptions::Folders));
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
