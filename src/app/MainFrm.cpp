// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainFrm.h"

#include "actions/ActionCommands.h"
#include "actions/CommonDlg.h"
#include "actions/FileInfoFrm.h"
#include "app/AboutFrm.h"
#include "app/FuzzyFrm.h"
#include "app/HelpFrm.h"
#include "app/ScanProgressBar.h"
#include "app/TellFrm.h"
#include "app/TipFrm.h"
#include "app/ToolbarIcons.h"
#include "app/WindowGeometry.h"
#include "app/WindowScanSink.h"
#include "core/ErrorReport.h"
#include "core/Prompter.h"
#include "core/VisibleText.h"
#include "engine/ScanPipeline.h"
#include "platform/AppFolders.h"
#include "platform/FileFunctions.h"
#include "platform/SettingsStore.h"
#include "results/ResultModel.h"
#include "results/ResultView.h"
#include "search/FolderFrm.h"
#include "search/SearchListView.h"
#include "search/SearchLocationModel.h"
#include "search/TooManyFilesDialog.h"
#include "sessions/ExportDialog.h"
#include "sessions/SaveFrm.h"
#include "sessions/SessionReader.h"
#include "sessions/SessionWriter.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <tuple>

namespace
{
const QString kDirect = QStringLiteral("Direct");
const QString kThruFile = QStringLiteral("ThruFile");

// The busy cursor while a long command runs, also when it ends by an exception.
struct WaitCursor
{
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

void setBold(QWidget *w, bool bold)
{
    QFont f = w->font();
    f.setBold(bold);
    w->setFont(f);
}
} // namespace

MainFrm::MainFrm(const MainFrmServices &services, const QString &commandLine, QWidget *parent)
    : QMainWindow(parent), m_prompter(services.prompter), m_errors(services.errors), m_settings(services.settings),
      m_endSound(services.endSound), m_commandLine(commandLine), m_results(new ResultModel(this)),
      m_locations(new SearchLocationModel(this))
{
    setObjectName(QStringLiteral("MainFrm"));
    setWindowTitle(title());
    createMenus();
    createToolbar();
    createStatusBar();
    createControls();

    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("Timer1"));
    m_clockTimer->setInterval(1000);
    m_endSoundTimer = new QTimer(this);
    m_endSoundTimer->setObjectName(QStringLiteral("Timer2"));
    m_endSoundTimer->setInterval(500);
    m_endSoundTimer->setSingleShot(true);

    connect(m_scanAction, &QAction::triggered, this, &MainFrm::startScan);
    connect(m_cancelAction, &QAction::triggered, this, &MainFrm::cancelScan);
    connect(m_addLocationAction, &QAction::triggered, this, &MainFrm::addLocation);
    connect(m_removeLocationAction, &QAction::triggered, this, &MainFrm::removeLocation);
    connect(m_newSessionAction, &QAction::triggered, this, [this] {
        if (marksMayGo())
            startNewSession();
    });
    connect(m_loadSessionAction, &QAction::triggered, this, &MainFrm::showLoadSessionDialog);
    connect(m_saveSessionAction, &QAction::triggered, this, &MainFrm::showSaveSessionDialog);
    connect(m_exportAction, &QAction::triggered, this, &MainFrm::exportResults);
    connect(m_pictureViewerAction, &QAction::triggered, this, &MainFrm::togglePictureViewer);
    connect(m_recycleBinAction, &QAction::triggered, this, &MainFrm::toggleRecycleBin);
    connect(m_closeAction, &QAction::triggered, this, &MainFrm::closeWindow);
    connect(m_helpTopicsAction, &QAction::triggered, this, &MainFrm::showHelpTopics);
    connect(m_tipAction, &QAction::triggered, this, &MainFrm::showTipOfTheDay);
    connect(m_faqAction, &QAction::triggered, this, &MainFrm::showFaq);
    connect(m_helpOnlineAction, &QAction::triggered, this, &MainFrm::showHelpContents);
    connect(m_tellAFriendAction, &QAction::triggered, this, &MainFrm::showTellAFriend);
    connect(m_aboutAction, &QAction::triggered, this, &MainFrm::showAbout);
    connect(m_clockTimer, &QTimer::timeout, this, &MainFrm::showElapsedTime);
    connect(m_endSoundTimer, &QTimer::timeout, this, &MainFrm::playEndSound);
    connect(m_fuzzyCheck, &QCheckBox::clicked, this, &MainFrm::explainFuzzyLogic);
    connect(m_protectCheck, &QCheckBox::clicked, this, &MainFrm::confirmUnprotect);
    connect(m_engines, &QButtonGroup::idClicked, this, &MainFrm::chooseEngine);
    connect(m_addButton, &QToolButton::clicked, this, &MainFrm::addLocation);
    connect(m_removeButton, &QToolButton::clicked, this, &MainFrm::removeLocation);
    connect(m_locationView, &SearchListView::listDoubleClicked, this, &MainFrm::changeLocation);
    connect(m_locationView, &SearchListView::changeRequested, this, &MainFrm::changeLocation);
    connect(m_locationView, &SearchListView::removeRequested, this, [this] {
        if (m_removeButton->isEnabled())
            removeLocation();
    });
    connect(m_resultView, &ResultView::columnClicked, this, &MainFrm::sortByHeader);
    connect(m_escapeButton, &QPushButton::clicked, this, &MainFrm::cancelByEscape);
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, m_escapeButton, &QPushButton::click);
    wireMarking();
    wireActions();

    // Initial control states.
    selectEngine(ScanOptions::ByteToByte);
    m_protectCheck->setChecked(true);
    setPanel(Panel::Activity, QStringLiteral("Add search path and click on the scan button to start search."));
    setPanel(Panel::Clock, QStringLiteral("00:00:00"));
    setBusyState(false);

    restoreWindow();
}

MainFrm::~MainFrm() = default;

void MainFrm::restoreWindow()
{
    setPanel(Panel::Files, QStringLiteral("Files : 0"));
    setPanel(Panel::Folders, QStringLiteral("Folders : 0"));
    setPanel(Panel::Duplicates, QStringLiteral("Duplicates : 0"));

    setMinimumSize(WindowGeometry::minimumSize());
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    // A place saved on a screen that is gone (or far off any screen) comes back onto one.
    const WindowGeometry::Placement placement = WindowGeometry::onScreen(WindowGeometry::load(m_settings), screens);
    resize(placement.size);
    move(placement.topLeft);
    if (WindowGeometry::loadMaximized(m_settings))
        setWindowState(windowState() | Qt::WindowMaximized);

    setViewerImage(static_cast<qint16>(m_settings.value(Settings::Display).toInt()));
    setRecycleImage(static_cast<qint16>(m_settings.value(Settings::RecycleBin).toInt()));

    // The locations and options of the last scan or the last run come back, without results.
    const QString defaultSession = AppFolders::defaultSessionPath();
    if (FileFunctions::fileExists(defaultSession))
        loadSessionParameters(defaultSession);
}

void MainFrm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    // After the window is on screen, so that what the first activation shows appears over it.
    QTimer::singleShot(0, this, &MainFrm::runStartup);
}

void MainFrm::runStartup()
{
    if (m_commandLine.isEmpty())
    {
        if (m_settings.value(Settings::ShowTips) == QStringLiteral("1"))
            showTipOfTheDay();
        return;
    }
    QString path = m_commandLine;
    path.remove(u'"');
    const SessionRead read = loadSessionParameters(path);
    if (!read.whole())
    {
        if (const auto message = SessionFile::cannotLoad(path, read))
            m_prompter.message(*message);
        return;
    }
    startScan();
}

void MainFrm::closeEvent(QCloseEvent *event)
{
    if (m_busy)
    {
        // The scan runs below this event on the call stack: stop it, and close once it has returned.
        m_cancelRequested = true;
        m_closeWhenIdle = true;
        event->ignore();
        return;
    }
    if (!marksMayGo())
    {
        event->ignore();
        return;
    }
    saveAndCloseTools();
    event->accept();
}

void MainFrm::saveAndCloseTools()
{
    runStep(m_errors, QStringLiteral("Unloading"), [this] {
        saveDefaultSession();
        m_actions->closePictureViewer();
        closeAdvMarkFrm();
        if (m_manual)
            m_manual->close();
    });
}

void MainFrm::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        restoreCaption();
}

void MainFrm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    restoreCaption();
}

void MainFrm::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    // The frame a normal window has: maximized, a desktop may draw none.
    if (windowState() == Qt::WindowNoState && isVisible())
        m_frameOffset = geometry().topLeft() - pos();
}

void MainFrm::restoreCaption()
{
    // The minimum size and the layouts keep the controls in place; the caption comes back after
    // a scan that wrote its progress there while the window was minimized.
    if (!isMinimized() && windowTitle() != title())
        setWindowTitle(title());
}

void MainFrm::setPanel(Panel p, const QString &text)
{
    // Progress names folders, and a folder's name may hold a newline.
    panel(p)->setText(VisibleText::of(text));
}

bool MainFrm::recycleBin() const
{
    return m_recycleBinAction->isChecked();
}

int MainFrm::engine() const
{
    return m_engines->checkedId();
}

void MainFrm::startEndSound()
{
    m_endSoundTimer->start();
}

void MainFrm::setBusyState(bool busy)
{
    // The controls that are disabled now lose the keyboard focus: it comes back afterwards.
    if (busy && !m_busy)
        m_focusBeforeBusy = focusWidget();
    m_busy = busy;
    if (busy)
        m_actions->closePictureViewer();
    for (size_t i = 1; i < m_buttons.size(); ++i)
    {
        if (m_buttons[i])
            m_buttons[i]->setEnabled(i == CancelButton ? busy : !busy);
    }
    m_cancelAction->setEnabled(busy);
    m_addLocationAction->setEnabled(!busy);
    // Commands that would change the list or the setup wait for the scan to end.
    for (QAction *a : {m_scanAction, m_newSessionAction, m_loadSessionAction, m_saveSessionAction, m_exportAction,
                       m_pictureViewerAction, m_recycleBinAction})
        a->setEnabled(!busy);
    m_actionMenu->setEnabled(!busy);

    for (QWidget *w : std::initializer_list<QWidget *>{m_locationView, m_addButton, m_engineButtons[1],
                                                       m_engineButtons[2], m_engineButtons[3], m_engineButtons[4],
                                                       m_protectCheck, m_includeHiddenCheck, m_resultView})
        w->setEnabled(!busy);
    if (busy)
    {
        m_removeButton->setEnabled(false);
        m_removeLocationAction->setEnabled(false);
    }
    else
        updateRemoveButton();
    m_fuzzyCheck->setEnabled(!busy && engine() == ScanOptions::ByteToByte);

    panel(Panel::Duplicates)->setVisible(!busy && engine() != ScanOptions::ZeroSize);
    panel(Panel::Files)->setVisible(!busy);
    panel(Panel::Folders)->setVisible(!busy);
    m_progressBar->setVisible(busy);
    if (!busy && m_focusBeforeBusy && (!focusWidget() || !focusWidget()->isEnabled()))
        m_focusBeforeBusy->setFocus();
    if (!busy && windowTitle() != title())
        setWindowTitle(tr("100% Completed"));
    if (!busy && m_closeWhenIdle)
        QTimer::singleShot(0, this, &QWidget::close);
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
        m_prompter.message({QStringLiteral("Error"), QStringLiteral("Please add search path first."), PromptButtons::Ok,
                            PromptAnswer::Ok, PromptIcon::Information});
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
    const ScanSummary summary = pipeline.run(m_locations->locations(), currentState().options);

    m_totalFiles = summary.totalFiles;
    m_totalFolders = summary.totalFolders;
    m_duplicateCount = summary.duplicateCount;
    m_duplicateSize = summary.duplicateSize;
    if (summary.listing != ScanSummary::Listing::None)
        setZeroSizeMenus(summary.listing == ScanSummary::Listing::ZeroSize);
    // What was left out follows the activity text, so that "Search Completed." is never silent
    // about a location that was not searched.
    const QString notice = summary.notice();
    setPanel(Panel::Activity, notice.isEmpty() ? summary.activity : summary.activity + u' ' + notice);
    panel(Panel::Activity)->setToolTip(panel(Panel::Activity)->text());
    setPanel(Panel::Duplicates, summary.duplicates);
    setPanel(Panel::Files, summary.files);
    setPanel(Panel::Folders, summary.folders);

    m_clockTimer->stop();
    setBusyState(false);
    startEndSound();
}

void MainFrm::cancelScan()
{
    questionWaits(true);
    const auto answered = qScopeGuard([this] { questionWaits(false); });
    if (m_prompter.message({QStringLiteral("Cancel Search"), QStringLiteral("Are you sure to cancel searching?"),
                            PromptButtons::YesNo, PromptAnswer::No, PromptIcon::None}) == PromptAnswer::Yes)
        m_cancelRequested = true;
}

void MainFrm::cancelByEscape()
{
    if (m_cancelAction->isEnabled())
        cancelScan();
}

void MainFrm::closeWindow()
{
    close();
}

void MainFrm::startNewSession()
{
    runStep(m_errors, QStringLiteral("New Session"), [this] {
        m_locations->setLocations({});
        m_results->clear();
        selectEngine(ScanOptions::ByteToByte);
        m_protectCheck->setChecked(true);
        m_includeHiddenCheck->setChecked(false);
        setFuzzyFromCode(false);
        updateRemoveButton();
        m_actions->closePictureViewer();
        closeAdvMarkFrm();
        setPanel(Panel::Activity, QStringLiteral("Add search path and click on the scan button to start search."));
        panel(Panel::Duplicates)->hide();
        panel(Panel::Files)->hide();
        panel(Panel::Folders)->hide();
        setPanel(Panel::Clock, QStringLiteral("00:00:00"));
        clearSortMarks();
    });
}

SessionState MainFrm::currentState() const
{
    SessionState state;
    state.options.engine = engine();
    state.options.fuzzy = m_fuzzyCheck->isChecked();
    state.options.protect = m_protectCheck->isChecked();
    state.options.includeHidden = m_includeHiddenCheck->isChecked();
    state.locations = m_locations->locations();
    state.filesPanel = panel(Panel::Files)->text();
    state.foldersPanel = panel(Panel::Folders)->text();
    state.duplicateCount = m_duplicateCount;
    state.duplicateSize = m_duplicateSize;
    return state;
}

void MainFrm::applyState(const SessionState &state)
{
    m_locations->setLocations(state.locations);
    selectEngine(state.options.engine);
    // Set from a file: the check boxes' questions stay silent (setChecked() emits no clicked()).
    m_protectTag = kThruFile;
    m_protectCheck->setChecked(state.options.protect);
    m_protectTag = kDirect;
    m_includeHiddenCheck->setChecked(state.options.includeHidden);
    m_fuzzyTag = kThruFile;
    setFuzzyFromCode(state.options.fuzzy);
    m_fuzzyTag = kDirect;
    updateRemoveButton();
}

QRect MainFrm::normalPlacement() const
{
    if (!isMinimized() && !isMaximized() && !isFullScreen())
        return {pos(), size()};
    // normalGeometry() is the client area; the place is kept as the frame's, as move() takes it,
    // with the frame the window had when it was last normal, so it does not creep by a title bar.
    const QRect normal = normalGeometry();
    return {normal.topLeft() - m_frameOffset, normal.size()};
}

void MainFrm::saveDefaultSession()
{
    // A minimized or maximized window keeps the place it comes back to.
    const QRect normal = normalPlacement();
    WindowGeometry::save(m_settings, {normal.size(), normal.topLeft()});
    WindowGeometry::saveMaximized(m_settings, isMaximized()); // also when minimized from maximized
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
        startEndSound();
    return written;
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
    m_duplicateCount = 0;
    m_duplicateSize = 0;
    m_totalFiles = 0;
    m_totalFolders = 0;
    for (Panel p : {Panel::Duplicates, Panel::Files, Panel::Folders})
        setPanel(p, QString());
    setPanel(Panel::Clock, QStringLiteral("00:00:00"));
    m_cancelRequested = false;
}

bool MainFrm::openSession(const QString &path, bool reScan, bool reCheck, const ProgressHooks &progress)
{
    if (!marksMayGo())
        return false;
    // Until the file has proved whole, the window keeps its list, counters and status bar.
    std::array<std::pair<QString, bool>, 5> panels;
    for (size_t i = 0; i < panels.size(); ++i)
        panels[i] = {m_panels[i]->text(), !m_panels[i]->isHidden()};
    const auto counters = std::tuple{m_totalFiles, m_totalFolders, m_duplicateCount, m_duplicateSize};
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
    if (!report.result)
    {
        m_clockTimer->stop();
        setBusyState(false);
        for (size_t i = 0; i < panels.size(); ++i)
        {
            m_panels[i]->setText(panels[i].first);
            m_panels[i]->setVisible(panels[i].second);
        }
        std::tie(m_totalFiles, m_totalFolders, m_duplicateCount, m_duplicateSize) = counters;
        if (const auto message = SessionFile::cannotLoad(path, report))
            m_prompter.message(*message);
        return false;
    }

    applyState(state);
    m_totalFiles = report.totalFiles;
    m_totalFolders = report.totalFolders;
    m_duplicateCount = state.duplicateCount;
    m_duplicateSize = state.duplicateSize;
    setZeroSizeMenus(report.zeroSizeMenus);
    m_clockTimer->stop();
    setBusyState(false);
    startEndSound();

    const SessionStatusTexts &status = report.status;
    setPanel(Panel::Activity, status.panel1);
    setPanel(Panel::Duplicates, status.panel2);
    setPanel(Panel::Files, status.panel3);
    setPanel(Panel::Folders, status.panel4);
    if (!status.panel5.isEmpty())
        setPanel(Panel::Clock, status.panel5);
    panel(Panel::Duplicates)->setVisible(status.panel2Visible);
    panel(Panel::Files)->setVisible(status.panel3Visible);
    panel(Panel::Folders)->setVisible(status.panel4Visible);
    return report.result;
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
    inputs.filesPanel = panel(Panel::Files)->text();
    inputs.duplicatesPanel = panel(Panel::Duplicates)->text();
    inputs.prompter = &m_prompter;
    inputs.settings = &m_settings;
    inputs.errors = &m_errors;
    inputs.playEndSound = m_endSound;
    ExportDialog wizard(std::move(inputs), this);
    CommonDlg::centerForm(&wizard);
    wizard.exec();
}

void MainFrm::setZeroSizeMenus(bool zeroSize)
{
    m_markAllAction->setVisible(zeroSize);
    m_markDuplicatesAction->setVisible(!zeroSize);
    m_advancedMarkingAction->setVisible(!zeroSize);
    m_duplicatesSeparator->setVisible(!zeroSize);
}

bool MainFrm::tooManyFiles(qint32 totalFiles)
{
    TooManyFilesDialog dialog(this);
    dialog.setTotalFiles(totalFiles);
    CommonDlg::centerForm(&dialog);
    dialog.exec();
    return dialog.proceed;
}

void MainFrm::runToolbarButton(int index)
{
    switch (index)
    {
    case ScanButton:
        startScan();
        break;
    case CancelButton:
        cancelScan();
        break;
    case MarkButton:
        if (!m_results->isEmpty())
            m_markMenu->popup(QCursor::pos());
        break;
    case CopyButton:
        m_actions->copyMarkedFiles();
        break;
    case MoveButton:
        m_actions->moveMarkedFiles();
        break;
    case DeleteButton:
        m_actions->deleteMarkedFiles();
        break;
    case RenameButton:
        m_actions->renameFile();
        break;
    case ExportButton:
        exportResults();
        break;
    case ViewerButton:
        togglePictureViewer();
        break;
    case RecycleButton:
        toggleRecycleBin();
        break;
    default:
        break;
    }
}

void MainFrm::showElapsedTime()
{
    setPanel(Panel::Clock, m_stopwatch.elapsed());
}

void MainFrm::playEndSound()
{
    m_endSoundTimer->stop();
    if (m_endSound)
        m_endSound();
}

void MainFrm::explainFuzzyLogic()
{
    const bool explain = m_fuzzyCheck->isChecked() && m_fuzzyTag == kDirect;
    setBold(m_fuzzyCheck, explain);
    if (!explain)
        return;
    FuzzyFrm fuzzy(this);
    fuzzy.exec();
}

void MainFrm::confirmUnprotect()
{
    if (m_protectCheck->isChecked() || m_protectTag != kDirect)
        return;
    const bool keep = m_prompter.confirm(QStringLiteral("Confirm"),
                                         QStringLiteral("It is highly recommended to leave this option checked "
                                                        "to prevent loss of data.\nDo you want to leave this option"),
                                         PromptIcon::Critical);
    if (keep)
        m_protectCheck->setChecked(true);
}

void MainFrm::chooseEngine(int id)
{
    for (int i = 1; i <= 4; ++i)
        setBold(m_engineButtons[static_cast<size_t>(i)], i == id);
    m_fuzzyCheck->setEnabled(id == ScanOptions::ByteToByte);
}

void MainFrm::selectEngine(int id)
{
    if (id < 1 || id > 4)
        return;
    m_engineButtons[static_cast<size_t>(id)]->setChecked(true);
    chooseEngine(id);
}

void MainFrm::setFuzzyFromCode(bool checked)
{
    m_fuzzyCheck->setChecked(checked);
    setBold(m_fuzzyCheck, false);
}

void MainFrm::updateRemoveButton()
{
    m_removeButton->setEnabled(!m_locations->empty());
    m_removeLocationAction->setEnabled(m_removeButton->isEnabled());
}

bool MainFrm::marksMayGo()
{
    const qint64 marked = m_results->markedCount();
    if (marked == 0)
        return true;
    const QString files = QString::number(marked) + (marked == 1 ? QStringLiteral(" file") : QStringLiteral(" files"));
    return m_prompter.confirm(
        QStringLiteral("Confirm"),
        QStringLiteral("The result list and its marks on %1 will be lost.\nDo you want to go on?").arg(files),
        PromptIcon::Exclamation);
}

void MainFrm::questionWaits(bool waiting)
{
    if (waiting)
        m_stopwatch.pause();
    else
        m_stopwatch.resume();
}

void MainFrm::addLocation()
{
    runStep(m_errors, QStringLiteral("Add Folders"), [this] {
        const int selected = m_locationView->selectedRow();
        if (m_changingLocation && selected < 0)
            return;
        FolderFrm dialog(m_prompter, m_settings, this);
        if (m_changingLocation)
            dialog.fillForChange(m_locations->locations().at(selected));
        dialog.exec();
        const std::optional<SearchLocation> location = dialog.location();
        if (!location)
            return;
        if (m_changingLocation)
        {
            m_locations->change(selected, *location);
            return;
        }
        m_locations->add(*location);
        updateRemoveButton();
    });
}

void MainFrm::changeLocation()
{
    if (m_locations->empty() || m_busy)
        return;
    m_changingLocation = true;
    addLocation();
    m_changingLocation = false;
}

void MainFrm::removeLocation()
{
    m_locations->remove(m_locationView->selectedRow());
    updateRemoveButton();
}

void MainFrm::setViewerImage(int image)
{
    m_viewerImage = image;
    m_pictureViewerAction->setChecked(image == Settings::ViewerOn);
    m_buttons[ViewerButton]->setIcon(ToolbarIcons::icon(
        image == Settings::ViewerOff ? ToolbarIcons::Picture::ViewerOff : ToolbarIcons::Picture::ViewerOn));
}

void MainFrm::setRecycleImage(int image)
{
    m_recycleImage = image;
    m_recycleBinAction->setChecked(image == Settings::ToRecycleBin);
    m_buttons[RecycleButton]->setIcon(ToolbarIcons::icon(
        image == Settings::DeletePermanently ? ToolbarIcons::Picture::Permanent : ToolbarIcons::Picture::Recycle));
}

void MainFrm::togglePictureViewer()
{
    if (m_viewerImage == Settings::ViewerOff)
    {
        setViewerImage(Settings::ViewerOn);
        if (!m_results->isEmpty())
            m_actions->previewStep();
    }
    else
    {
        setViewerImage(9);
        m_actions->closePictureViewer();
    }
    m_settings.setValue(Settings::Display, QString::number(m_viewerImage));
}

void MainFrm::toggleRecycleBin()
{
    if (m_recycleImage == Settings::DeletePermanently)
    {
        setRecycleImage(12);
    }
    else if (m_prompter.confirm(QStringLiteral("Confirm"),
                                QStringLiteral("This will delete the files permanently i.e., they are not sent to "
                                               "the recycle bin.\nAre you sure you want to preceed.")))
    {
        setRecycleImage(11);
    }
    else
    {
        // The menu entry ticked or unticked itself when clicked: show the state as it stands.
        setRecycleImage(m_recycleImage);
    }
    m_settings.setValue(Settings::RecycleBin, QString::number(m_recycleImage));
}

void MainFrm::clearSortMarks()
{
    m_resultView->setSortMark(-1, true);
    m_sort.sorted = false;
}

void MainFrm::sortByHeader(int column)
{
    sortByColumn(column + 1, QStringLiteral("None"));
}

void MainFrm::sortByColumn(int col, const QString &sortOrder)
{
    runStep(m_errors, QStringLiteral("Sorting Column : ") + QString::number(col), [&] {
        const std::optional<int> key = ResultSort::keyColumn(col);
        if (!key)
            return;
        const bool ascending = m_sort.nextAscending(sortOrder == QStringLiteral("None"));
        const WaitCursor wait;
        m_results->sortByColumn(*key, ascending);
        m_sort = {true, ascending};
        m_resultView->setSortMark(col - 1, ascending);
        if (!m_markAllAction->isVisible())
            m_results->rebandRows();
    });
}

void MainFrm::showManual(const QString &section)
{
    if (!m_manual)
        m_manual = new HelpFrm(this);
    m_manual->showSection(section);
    m_manual->show();
    m_manual->raise();
    m_manual->activateWindow();
}

void MainFrm::showHelpTopics()
{
    showManual(QString());
}

void MainFrm::showFaq()
{
    showManual(HelpFrm::faqSection());
}

void MainFrm::showHelpContents()
{
    showManual(HelpFrm::contentsSection());
}

void MainFrm::showTipOfTheDay()
{
    TipFrm tips(m_settings, this);
    CommonDlg::centerForm(&tips);
    tips.exec();
}

void MainFrm::showTellAFriend()
{
    TellFrm tell(this);
    tell.exec();
}

void MainFrm::showAbout()
{
    AboutFrm about(this);
    about.exec();
}
