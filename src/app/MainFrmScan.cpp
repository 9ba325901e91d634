// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's scan and its busy state: starting and cancelling a scan, what a scan or a
// session load leaves enabled while it runs, and what the window shows when it ends.
#include "app/MainFrm.h"

#include "actions/ActionCommands.h"
#include "actions/CommonDlg.h"
#include "app/ElidedLabel.h"
#include "app/ScanProgressBar.h"
#include "app/WindowScanSink.h"
#include "core/Prompter.h"
#include "results/ResultModel.h"
#include "results/ResultView.h"
#include "search/SearchListView.h"
#include "search/SearchLocationModel.h"
#include "search/TooManyFilesDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTimer>
#include <QToolButton>

void MainFrm::setBusyState(bool busy)
{
    // The controls that are disabled now lose the keyboard focus: it comes back afterwards.
    if (busy && !m_busy)
        m_focusBeforeBusy = focusWidget();
    m_busy = busy;
    if (busy)
        m_actions->closePictureViewer();
    enableCommands(!busy);
    showBusyPanels(busy);
    if (!busy && m_focusBeforeBusy && (!focusWidget() || !focusWidget()->isEnabled()))
        m_focusBeforeBusy->setFocus();
    if (!busy && windowTitle() != title())
        setWindowTitle(tr("100% Completed"));
    if (!busy && m_closeWhenIdle)
        QTimer::singleShot(0, this, &QWidget::close);
}

void MainFrm::enableCommands(bool idle)
{
    for (size_t i = 1; i < m_buttons.size(); ++i)
    {
        if (m_buttons[i])
            m_buttons[i]->setEnabled(i == CancelButton ? !idle : idle);
    }
    m_cancelAction->setEnabled(!idle);
    m_addLocationAction->setEnabled(idle);
    // Commands that would change the list or the setup wait for the scan to end.
    for (QAction *a : {m_scanAction, m_newSessionAction, m_loadSessionAction, m_saveSessionAction, m_exportAction,
                       m_pictureViewerAction, m_recycleBinAction})
        a->setEnabled(idle);
    m_actionMenu->setEnabled(idle);
    m_editMenu->setEnabled(idle);

    for (QWidget *w :
         std::initializer_list<QWidget *>{m_locationView, m_addButton, m_engineButtons[1], m_engineButtons[2],
                                          m_engineButtons[3], m_engineButtons[4], m_engineButtons[5],
                                          m_engineButtons[6], m_protectCheck, m_includeHiddenCheck, m_resultView})
        w->setEnabled(idle);
    if (idle)
    {
        updateRemoveButton();
    }
    else
    {
        m_removeButton->setEnabled(false);
        m_removeLocationAction->setEnabled(false);
    }
    m_fuzzyCheck->setEnabled(idle && engine() == ScanOptions::ByteToByte);
    m_containedCheck->setEnabled(idle && engine() == ScanOptions::Folders);
    m_similarityLabel->setEnabled(idle && engine() == ScanOptions::Pictures);
    m_similarityCombo->setEnabled(idle && engine() == ScanOptions::Pictures);
}

void MainFrm::showBusyPanels(bool busy)
{
    panel(Panel::Duplicates)->setVisible(!busy && engine() != ScanOptions::ZeroSize);
    panel(Panel::Files)->setVisible(!busy);
    panel(Panel::Folders)->setVisible(!busy);
    m_progressBar->setVisible(busy);
}

void MainFrm::startScan()
{
    if (m_busy || !marksMayGo())
        return;
    // The locations and options are the default session before anything is reset.
    saveDefaultSession();
    closeAdvMarkFrm();
    if (m_locations->empty())
    {
        m_prompter.message({tr("Error"), tr("Please add search path first."), PromptButtons::Ok, PromptAnswer::Ok,
                            PromptIcon::Information});
        addLocation();
        return;
    }

    startRun();
    clearSortMarks();
    m_results->clear();

    WindowScanSink sink(*this, m_cancelRequested, m_errors,
                        {[this](const QString &text) { setPanel(Panel::Activity, text); },
                         [this](qint32 totalFiles) { return tooManyFiles(totalFiles); },
                         [this](const ScanProgress &p) { m_progressBar->showProgress(p); },
                         [this](bool waiting) { questionWaits(waiting); }});
    ScanPipeline pipeline(sink, *m_results);
    pipeline.setTooManyFilesLimit(m_tooManyFilesLimit);
    const ScanSummary summary = pipeline.run(m_locations->locations(), scanOptions());
    showScanSummary(summary);

    m_clockTimer->stop();
    setBusyState(false);
    startEndSound();
}

// A scan or a session load begins: busy, the clock from zero, the totals and their panels empty.
void MainFrm::startRun()
{
    setBusyState(true);
    m_stopwatch.restart();
    m_clockTimer->start();
    // Nothing of the previous search stays in sight.
    setPanel(Panel::Activity, QString());
    panel(Panel::Activity)->setToolTip(QString());
    m_progressBar->restart();
    m_totals = ScanTotals();
    showTotals();
    setPanel(Panel::Clock, QStringLiteral("00:00:00"));
    m_cancelRequested = false;
}

void MainFrm::showScanSummary(const ScanSummary &summary)
{
    m_totals = ScanTotals::of(summary);
    if (summary.listing != ScanSummary::Listing::None)
        setZeroSizeMenus(summary.listing == ScanSummary::Listing::ZeroSize);
    // What was left out follows the activity text, so that "Search Completed." is never silent
    // about a location that was not searched.
    const QString notice = summary.notice();
    setPanel(Panel::Activity, notice.isEmpty() ? summary.activity : summary.activity + u' ' + notice);
    panel(Panel::Activity)->setToolTip(panel(Panel::Activity)->text());
    showTotals();
}

void MainFrm::cancelScan()
{
    questionWaits(true);
    const auto answered = qScopeGuard([this] { questionWaits(false); });
    if (m_prompter.message({tr("Cancel Search"), tr("Are you sure to cancel searching?"), PromptButtons::YesNo,
                            PromptAnswer::No, PromptIcon::None}) == PromptAnswer::Yes)
        m_cancelRequested = true;
}

void MainFrm::cancelByEscape()
{
    if (m_cancelAction->isEnabled())
        cancelScan();
}

bool MainFrm::tooManyFiles(qint32 totalFiles)
{
    TooManyFilesDialog dialog(this);
    dialog.setTotalFiles(totalFiles);
    CommonDlg::centerForm(&dialog);
    dialog.exec();
    return dialog.proceed;
}
