// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's sessions: a new session, loading and saving session files, the default
// session that keeps the setup across runs, and the export of the result list.
#include "app/MainFrm.h"

#include "actions/ActionCommands.h"
#include "actions/CommonDlg.h"
#include "app/ElidedLabel.h"
#include "app/ScanProgressBar.h"
#include "app/WindowGeometry.h"
#include "app/WindowScanSink.h"
#include "core/ErrorReport.h"
#include "core/Prompter.h"
#include "platform/AppFolders.h"
#include "platform/FileFunctions.h"
#include "results/LocaleText.h"
#include "results/ResultModel.h"
#include "search/SearchLocationModel.h"
#include "sessions/ExportDialog.h"
#include "sessions/RecentSessions.h"
#include "sessions/SaveFrm.h"
#include "sessions/SessionReader.h"
#include "sessions/SessionWriter.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QTimer>

void MainFrm::startNewSession()
{
    //: The step named in the error report: File, New Session.
    runStep(m_errors, tr("New Session"), [this] {
        m_locations->setLocations({});
        m_results->clear();
        selectEngine(ScanOptions::ByteToByte);
        selectSimilarity(PictureGroups::DefaultLevel);
        m_protectCheck->setChecked(true);
        m_includeHiddenCheck->setChecked(false);
        setFuzzyFromCode(false);
        updateRemoveButton();
        m_actions->closePictureViewer();
        closeAdvMarkFrm();
        showStartPrompt();
        panel(Panel::Duplicates)->hide();
        panel(Panel::Files)->hide();
        panel(Panel::Folders)->hide();
        clearSortMarks();
    });
}

SessionState MainFrm::currentState() const
{
    SessionState state;
    state.options = scanOptions();
    state.locations = m_locations->locations();
    // The texts as files keep them, not as the panels show them in the user's language.
    state.filesPanel = m_totals.filesText;
    state.foldersPanel = m_totals.foldersText;
    state.duplicateCount = m_totals.duplicateCount;
    state.duplicateSize = m_totals.duplicateSize;
    return state;
}

void MainFrm::applyState(const SessionState &state)
{
    m_locations->setLocations(state.locations);
    selectEngine(state.options.engine);
    selectSimilarity(state.options.similarity);
    // Set from a file: the check boxes' questions stay silent (setChecked() emits no clicked()).
    m_protectSetBy = SetBy::File;
    m_protectCheck->setChecked(state.options.protect);
    m_protectSetBy = SetBy::User;
    m_includeHiddenCheck->setChecked(state.options.includeHidden);
    m_fuzzySetBy = SetBy::File;
    setFuzzyFromCode(state.options.fuzzy);
    m_fuzzySetBy = SetBy::User;
    updateRemoveButton();
}

void MainFrm::saveDefaultSession()
{
    // A minimized or maximized window keeps the place it comes back to.
    const QRect normal = normalPlacement();
    WindowGeometry::save(m_settings, {normal.size(), normal.topLeft()});
    m_settings.setMainWindowMaximized(isMaximized()); // also when minimized from maximized
    SessionFile::saveSessionParameters(AppFolders::defaultSessionPath(), currentState(), *m_results);
}

SessionRead MainFrm::loadSessionParameters(const QString &path)
{
    SessionState state;
    SessionFile::LoadHooks hooks;
    hooks.newSession = [this] { startNewSession(); };
    const SessionRead read = SessionFile::loadSessionParameters(path, state, *m_results, m_errors, hooks);
    if (read.whole())
        applyState(state);
    return read;
}

bool MainFrm::saveSession(const QString &path, bool parametersOnly, const ProgressHooks &progress)
{
    const bool written =
        SessionFile::writeSessionFile(path, currentState(), *m_results, parametersOnly, m_errors, progress);
    if (written)
    {
        rememberSession(path);
        startEndSound();
    }
    return written;
}

bool MainFrm::openSession(const QString &path, bool reScan, bool reCheck, const ProgressHooks &progress)
{
    if (!marksMayGo())
        return false;
    // Until the file has proved whole, the window keeps its list, totals and status bar.
    std::array<std::pair<QString, bool>, 5> panels;
    for (size_t i = 0; i < panels.size(); ++i)
        panels[i] = {m_panels[i]->text(), !m_panels[i]->isHidden()};
    const ScanTotals totals = m_totals;
    startRun();

    SessionState state;
    SessionFile::LoadHooks hooks;
    hooks.newSession = [this] { startNewSession(); };
    hooks.progress = progress;
    WindowScanSink sink(*this, m_cancelRequested, m_errors,
                        {[this](const QString &text) { setPanel(Panel::Activity, text); }, nullptr,
                         [this](const ScanProgress &p) { m_progressBar->showProgress(p); },
                         [this](bool waiting) { questionWaits(waiting); }});
    const SessionLoadReport report =
        SessionFile::openCorvinaFile(path, reScan, reCheck, state, *m_results, sink, hooks);
    m_clockTimer->stop();
    if (!report.result)
    {
        setBusyState(false);
        for (size_t i = 0; i < panels.size(); ++i)
        {
            m_panels[i]->setText(panels[i].first);
            m_panels[i]->setVisible(panels[i].second);
        }
        m_totals = totals;
        if (const auto message = SessionFile::cannotLoad(path, report))
            m_prompter.message(*message);
        return false;
    }

    applyState(state);
    setZeroSizeMenus(report.zeroSizeMenus);
    setBusyState(false);
    rememberSession(path);
    startEndSound();
    showLoadedSession(report, state);
    return true;
}

void MainFrm::rememberSession(const QString &path)
{
    m_settings.setRecentSessions(RecentSessions::withLatest(m_settings.recentSessions(), path));
}

void MainFrm::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList recent = m_settings.recentSessions();
    for (qsizetype i = 0; i < recent.size(); ++i)
    {
        // "&1 /home/sam/photos.cvf": the number is the access key; an "&" in a name is shown as one.
        const QString &path = recent[i];
        const QString shown = QString(path).replace(u'&', QStringLiteral("&&"));
        QAction *entry = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        connect(entry, &QAction::triggered, this, [this, path] { openRecentSession(path); });
    }
    m_recentMenu->setEnabled(!recent.isEmpty());
}

void MainFrm::openRecentSession(const QString &path)
{
    // As the Open dialog loads it by default: the saved result, not searched again.
    if (!openSession(path, false, false, {}) && !FileFunctions::fileExists(path))
        m_settings.setRecentSessions(RecentSessions::without(m_settings.recentSessions(), path));
}

void MainFrm::showLoadedSession(const SessionLoadReport &report, const SessionState &state)
{
    const SessionStatusTexts &status = report.status;
    m_totals.files = report.totalFiles;
    m_totals.folders = report.totalFolders;
    m_totals.duplicateCount = state.duplicateCount;
    m_totals.duplicateSize = state.duplicateSize;
    m_totals.duplicatesText = status.panel2;
    m_totals.filesText = status.panel3;
    m_totals.foldersText = status.panel4;
    m_totals.counted = true;

    setPanel(Panel::Activity, status.panel1);
    showTotals();
    // The rows that came back count, whatever totals the file was saved with.
    countWhatIsLeft();
    if (!status.panel5.isEmpty())
        setPanel(Panel::Clock, status.panel5);
    panel(Panel::Duplicates)->setVisible(status.panel2Visible);
    panel(Panel::Files)->setVisible(status.panel3Visible);
    panel(Panel::Folders)->setVisible(status.panel4Visible);
}

void MainFrm::showLoadSessionDialog()
{
    SaveFrm dialog(*this, m_prompter, m_settings, this);
    dialog.mode = SaveFrm::Mode::Open;
    CommonDlg::centerForm(&dialog);
    dialog.exec();
}

void MainFrm::showSaveSessionDialog()
{
    SaveFrm dialog(*this, m_prompter, m_settings, this);
    dialog.mode = SaveFrm::Mode::Save;
    CommonDlg::centerForm(&dialog);
    dialog.exec();
}

void MainFrm::exportResults()
{
    ExportDialog::Inputs inputs;
    inputs.rows = m_results;
    inputs.selectedRows = selectedResultRows();
    // The report's summary takes the texts as files keep them, in English like the rest of it.
    inputs.filesPanel = m_totals.filesText;
    inputs.duplicatesPanel = m_totals.duplicatesText;
    inputs.prompter = &m_prompter;
    inputs.settings = &m_settings;
    inputs.errors = &m_errors;
    inputs.playEndSound = m_endSound;
    inputs.reportWritten = [this](const QString &text) { setPanel(Panel::Activity, text); };
    ExportDialog wizard(std::move(inputs), this);
    CommonDlg::centerForm(&wizard);
    wizard.exec();
}

bool MainFrm::marksMayGo()
{
    const qint64 marked = m_results->markedCount();
    if (marked == 0)
        return true;
    // One sentence for each number, so that a translation can put the count where it belongs.
    const QString question = marked == 1
                                 ? tr("The result list and its marks on %1 file will be lost.\nDo you want to go on?")
                                 : tr("The result list and its marks on %1 files will be lost.\nDo you want to go on?");
    return m_prompter.confirm(tr("Confirm"), question.arg(LocaleText::number(marked)), PromptIcon::Exclamation);
}
