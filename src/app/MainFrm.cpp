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
#include "search/frmTooManyFiles.h"
#include "sessions/SaveFrm.h"
#include "sessions/SessionReader.h"
#include "sessions/SessionWriter.h"
#include "sessions/frmExport.h"

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

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(500);
    Timer2->setSingleShot(true);

    connect(MScan, &QAction::triggered, this, &MainFrm::MScan_Click);
    connect(MCancel, &QAction::triggered, this, &MainFrm::MCancel_Click);
    connect(MAddLocation, &QAction::triggered, this, &MainFrm::cmdAdd_Click);
    connect(MRemoveLocation, &QAction::triggered, this, &MainFrm::cmdRemove_Click);
    connect(MNewSession, &QAction::triggered, this, [this] {
        if (marksMayGo())
            MNewSession_Click();
    });
    connect(MLoadSession, &QAction::triggered, this, &MainFrm::MLoadSession_Click);
    connect(MSaveSession, &QAction::triggered, this, &MainFrm::MSaveSession_Click);
    connect(MExport, &QAction::triggered, this, &MainFrm::MExport_Click);
    connect(MPicViewer, &QAction::triggered, this, &MainFrm::MPicViewer_Click);
    connect(MSendToRecycleBin, &QAction::triggered, this, &MainFrm::MSendToRecycleBin_Click);
    connect(MClose, &QAction::triggered, this, &MainFrm::MClose_Click);
    connect(MHelpTopics, &QAction::triggered, this, &MainFrm::MHelpTopics_Click);
    connect(mnuTip, &QAction::triggered, this, &MainFrm::mnuTip_Click);
    connect(mnuFaq, &QAction::triggered, this, &MainFrm::mnuFaq_Click);
    connect(mnuHelponline, &QAction::triggered, this, &MainFrm::mnuHelponline_Click);
    connect(mnuTellaFriend, &QAction::triggered, this, &MainFrm::mnuTellaFriend_Click);
    connect(MAbout, &QAction::triggered, this, &MainFrm::MAbout_Click);
    connect(Timer1, &QTimer::timeout, this, &MainFrm::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &MainFrm::Timer2_Timer);
    connect(chkFuzzy, &QCheckBox::clicked, this, &MainFrm::chkFuzzy_Click);
    connect(chkProtect, &QCheckBox::clicked, this, &MainFrm::chkProtect_Click);
    connect(m_engines, &QButtonGroup::idClicked, this, &MainFrm::Option_Click);
    connect(cmdAdd, &QToolButton::clicked, this, &MainFrm::cmdAdd_Click);
    connect(cmdRemove, &QToolButton::clicked, this, &MainFrm::cmdRemove_Click);
    connect(SearchList, &SearchListView::listDoubleClicked, this, &MainFrm::SearchList_DblClick);
    connect(SearchList, &SearchListView::changeRequested, this, &MainFrm::SearchList_DblClick);
    connect(SearchList, &SearchListView::removeRequested, this, [this] {
        if (cmdRemove->isEnabled())
            cmdRemove_Click();
    });
    connect(RLV, &ResultView::columnClicked, this, &MainFrm::RLV_ColumnClick);
    connect(Command1, &QPushButton::clicked, this, &MainFrm::Command1_Click);
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, Command1, &QPushButton::click);
    wireMarking();
    wireActions();

    // Initial control states.
    selectEngine(ScanOptions::ByteToByte);
    chkProtect->setChecked(true);
    setPanel(Panel::Activity, QStringLiteral("Add search path and click on the scan button to start search."));
    setPanel(Panel::Clock, QStringLiteral("00:00:00"));
    SetBusyState(false);

    Form_Load();
}

MainFrm::~MainFrm() = default;

void MainFrm::Form_Load()
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
    if (FileFunctions::FileExists(defaultSession))
        LoadSessionParameters(defaultSession);
}

void MainFrm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    // After the window is on screen, so that what the first activation shows appears over it.
    QTimer::singleShot(0, this, &MainFrm::Form_Activate);
}

void MainFrm::Form_Activate()
{
    if (m_commandLine.isEmpty())
    {
        if (m_settings.value(Settings::ShowTips) == QStringLiteral("1"))
            mnuTip_Click();
        return;
    }
    QString path = m_commandLine;
    path.remove(u'"');
    const SessionRead read = LoadSessionParameters(path);
    if (!read.whole())
    {
        if (const auto message = SessionFile::cannotLoad(path, read))
            m_prompter.message(*message);
        return;
    }
    MScan_Click();
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
    Form_QueryUnload();
    event->accept();
}

void MainFrm::Form_QueryUnload()
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
        Form_Resize();
}

void MainFrm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void MainFrm::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    // The frame a normal window has: maximized, a desktop may draw none.
    if (windowState() == Qt::WindowNoState && isVisible())
        m_frameOffset = geometry().topLeft() - pos();
}

void MainFrm::Form_Resize()
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
    return MSendToRecycleBin->isChecked();
}

int MainFrm::engine() const
{
    return m_engines->checkedId();
}

void MainFrm::startEndSound()
{
    Timer2->start();
}

void MainFrm::SetBusyState(bool busy)
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
    MCancel->setEnabled(busy);
    MAddLocation->setEnabled(!busy);
    // Commands that would change the list or the setup wait for the scan to end.
    for (QAction *a : {MScan, MNewSession, MLoadSession, MSaveSession, MExport, MPicViewer, MSendToRecycleBin})
        a->setEnabled(!busy);
    MAction->setEnabled(!busy);

    for (QWidget *w : std::initializer_list<QWidget *>{SearchList, cmdAdd, Option[1], Option[2], Option[3], Option[4],
                                                       chkProtect, chkIncludeHidden, RLV})
        w->setEnabled(!busy);
    if (busy)
    {
        cmdRemove->setEnabled(false);
        MRemoveLocation->setEnabled(false);
    }
    else
        updateRemoveButton();
    chkFuzzy->setEnabled(!busy && engine() == ScanOptions::ByteToByte);

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

void MainFrm::MScan_Click()
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
        cmdAdd_Click();
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

    TotalFiles = summary.TotalFiles;
    TotalFolders = summary.TotalFolders;
    DuplicateCount = summary.DuplicateCount;
    DuplicateSize = summary.DuplicateSize;
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

    Timer1->stop();
    SetBusyState(false);
    startEndSound();
}

void MainFrm::MCancel_Click()
{
    questionWaits(true);
    const auto answered = qScopeGuard([this] { questionWaits(false); });
    if (m_prompter.message({QStringLiteral("Cancel Search"), QStringLiteral("Are you sure to cancel searching?"),
                            PromptButtons::YesNo, PromptAnswer::No, PromptIcon::None}) == PromptAnswer::Yes)
        m_cancelRequested = true;
}

void MainFrm::Command1_Click()
{
    if (MCancel->isEnabled())
        MCancel_Click();
}

void MainFrm::MClose_Click()
{
    close();
}

void MainFrm::MNewSession_Click()
{
    runStep(m_errors, QStringLiteral("New Session"), [this] {
        m_locations->setLocations({});
        m_results->clear();
        selectEngine(ScanOptions::ByteToByte);
        chkProtect->setChecked(true);
        chkIncludeHidden->setChecked(false);
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
    state.options.fuzzy = chkFuzzy->isChecked();
    state.options.protect = chkProtect->isChecked();
    state.options.includeHidden = chkIncludeHidden->isChecked();
    state.locations = m_locations->locations();
    state.filesPanel = panel(Panel::Files)->text();
    state.foldersPanel = panel(Panel::Folders)->text();
    state.DuplicateCount = DuplicateCount;
    state.DuplicateSize = DuplicateSize;
    return state;
}

void MainFrm::applyState(const SessionState &state)
{
    m_locations->setLocations(state.locations);
    selectEngine(state.options.engine);
    // Set from a file: the check boxes' questions stay silent (setChecked() emits no clicked()).
    chkProtectTag = kThruFile;
    chkProtect->setChecked(state.options.protect);
    chkProtectTag = kDirect;
    chkIncludeHidden->setChecked(state.options.includeHidden);
    chkFuzzyTag = kThruFile;
    setFuzzyFromCode(state.options.fuzzy);
    chkFuzzyTag = kDirect;
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
    SessionFile::SaveSessionParameters(AppFolders::defaultSessionPath(), currentState(), *m_results);
}

SessionRead MainFrm::LoadSessionParameters(const QString &path)
{
    SessionState state;
    SessionFile::LoadHooks hooks;
    hooks.newSession = [this] { MNewSession_Click(); };
    const SessionRead read = SessionFile::LoadSessionParameters(path, state, *m_results, m_errors, hooks);
    if (read.whole())
        applyState(state);
    return read;
}

bool MainFrm::saveSession(const QString &path, bool parametersOnly, const ProgressHooks &progress)
{
    const bool written =
        SessionFile::WriteSessionFile(path, currentState(), *m_results, parametersOnly, m_errors, progress);
    if (written)
        startEndSound();
    return written;
}

// A scan or a session load begins: busy, the clock from zero, the totals and their panels empty.
void MainFrm::startRun()
{
    SetBusyState(true);
    ScanTimer.Reset();
    Timer1->start();
    // Nothing of the previous search stays in sight.
    setPanel(Panel::Activity, QString());
    panel(Panel::Activity)->setToolTip(QString());
    m_progressBar->restart();
    DuplicateCount = 0;
    DuplicateSize = 0;
    TotalFiles = 0;
    TotalFolders = 0;
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
    const auto counters = std::tuple{TotalFiles, TotalFolders, DuplicateCount, DuplicateSize};
    startRun();

    SessionState state;
    SessionFile::LoadHooks hooks;
    hooks.newSession = [this] { MNewSession_Click(); };
    hooks.progress = progress;
    WindowScanSink sink(*this, m_cancelRequested, m_errors,
                        {[this](const QString &text) { setPanel(Panel::Activity, text); }, nullptr,
                         [this](const ScanProgress &p) { m_progressBar->showProgress(p); },
                         [this](bool waiting) { questionWaits(waiting); }});
    const SessionLoadReport report =
        SessionFile::OpenCorvinaFile(path, reScan, reCheck, state, *m_results, sink, hooks);
    if (!report.result)
    {
        Timer1->stop();
        SetBusyState(false);
        for (size_t i = 0; i < panels.size(); ++i)
        {
            m_panels[i]->setText(panels[i].first);
            m_panels[i]->setVisible(panels[i].second);
        }
        std::tie(TotalFiles, TotalFolders, DuplicateCount, DuplicateSize) = counters;
        if (const auto message = SessionFile::cannotLoad(path, report))
            m_prompter.message(*message);
        return false;
    }

    applyState(state);
    TotalFiles = report.TotalFiles;
    TotalFolders = report.TotalFolders;
    DuplicateCount = state.DuplicateCount;
    DuplicateSize = state.DuplicateSize;
    setZeroSizeMenus(report.zeroSizeMenus);
    Timer1->stop();
    SetBusyState(false);
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

void MainFrm::MLoadSession_Click()
{
    SaveFrm dialog(*this, m_prompter, m_settings, this);
    dialog.DialogMode = SaveFrm::Mode::Open;
    CommonDlg::CenterForm(&dialog);
    dialog.exec();
}

void MainFrm::MSaveSession_Click()
{
    SaveFrm dialog(*this, m_prompter, m_settings, this);
    dialog.DialogMode = SaveFrm::Mode::Save;
    CommonDlg::CenterForm(&dialog);
    dialog.exec();
}

void MainFrm::MExport_Click()
{
    frmExport::Inputs inputs;
    inputs.rows = m_results;
    inputs.selectedRows = selectedResultRows();
    inputs.filesPanel = panel(Panel::Files)->text();
    inputs.duplicatesPanel = panel(Panel::Duplicates)->text();
    inputs.prompter = &m_prompter;
    inputs.settings = &m_settings;
    inputs.errors = &m_errors;
    inputs.playEndSound = m_endSound;
    frmExport wizard(std::move(inputs), this);
    CommonDlg::CenterForm(&wizard);
    wizard.exec();
}

void MainFrm::setZeroSizeMenus(bool zeroSize)
{
    MMarkAll->setVisible(zeroSize);
    MMarkAllDuplicates->setVisible(!zeroSize);
    mnuAdvMarkForm->setVisible(!zeroSize);
    MarkSep2->setVisible(!zeroSize);
}

bool MainFrm::tooManyFiles(qint32 totalFiles)
{
    frmTooManyFiles dialog(this);
    dialog.setTotalFiles(totalFiles);
    CommonDlg::CenterForm(&dialog);
    dialog.exec();
    return dialog.Proceed;
}

void MainFrm::Toolbar1_ButtonClick(int index)
{
    switch (index)
    {
    case ScanButton:
        MScan_Click();
        break;
    case CancelButton:
        MCancel_Click();
        break;
    case MarkButton:
        if (!m_results->isEmpty())
            MMark->popup(QCursor::pos());
        break;
    case CopyButton:
        m_actions->MCopyMarkFiles_Click();
        break;
    case MoveButton:
        m_actions->MMoveSelected_Click();
        break;
    case DeleteButton:
        m_actions->MDelete_Click();
        break;
    case RenameButton:
        m_actions->MRename_Click();
        break;
    case ExportButton:
        MExport_Click();
        break;
    case ViewerButton:
        MPicViewer_Click();
        break;
    case RecycleButton:
        MSendToRecycleBin_Click();
        break;
    default:
        break;
    }
}

void MainFrm::Timer1_Timer()
{
    setPanel(Panel::Clock, ScanTimer.Elapsed());
}

void MainFrm::Timer2_Timer()
{
    Timer2->stop();
    if (m_endSound)
        m_endSound();
}

void MainFrm::chkFuzzy_Click()
{
    const bool explain = chkFuzzy->isChecked() && chkFuzzyTag == kDirect;
    setBold(chkFuzzy, explain);
    if (!explain)
        return;
    FuzzyFrm fuzzy(this);
    fuzzy.exec();
}

void MainFrm::chkProtect_Click()
{
    if (chkProtect->isChecked() || chkProtectTag != kDirect)
        return;
    const bool keep = m_prompter.confirm(QStringLiteral("Confirm"),
                                         QStringLiteral("It is highly recommended to leave this option checked "
                                                        "to prevent loss of data.\nDo you want to leave this option"),
                                         PromptIcon::Critical);
    if (keep)
        chkProtect->setChecked(true);
}

void MainFrm::Option_Click(int id)
{
    for (int i = 1; i <= 4; ++i)
        setBold(Option[static_cast<size_t>(i)], i == id);
    chkFuzzy->setEnabled(id == ScanOptions::ByteToByte);
}

void MainFrm::selectEngine(int id)
{
    if (id < 1 || id > 4)
        return;
    Option[static_cast<size_t>(id)]->setChecked(true);
    Option_Click(id);
}

void MainFrm::setFuzzyFromCode(bool checked)
{
    chkFuzzy->setChecked(checked);
    setBold(chkFuzzy, false);
}

void MainFrm::updateRemoveButton()
{
    cmdRemove->setEnabled(!m_locations->empty());
    MRemoveLocation->setEnabled(cmdRemove->isEnabled());
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
        ScanTimer.Pause();
    else
        ScanTimer.Resume();
}

void MainFrm::cmdAdd_Click()
{
    runStep(m_errors, QStringLiteral("Add Folders"), [this] {
        const int selected = SearchList->selectedRow();
        if (EditMode && selected < 0)
            return;
        FolderFrm dialog(m_prompter, m_settings, this);
        if (EditMode)
            dialog.fillForChange(m_locations->locations().at(selected));
        dialog.exec();
        const std::optional<SearchLocation> location = dialog.location();
        if (!location)
            return;
        if (EditMode)
        {
            m_locations->change(selected, *location);
            return;
        }
        m_locations->add(*location);
        updateRemoveButton();
    });
}

void MainFrm::SearchList_DblClick()
{
    if (m_locations->empty() || m_busy)
        return;
    EditMode = true;
    cmdAdd_Click();
    EditMode = false;
}

void MainFrm::cmdRemove_Click()
{
    m_locations->remove(SearchList->selectedRow());
    updateRemoveButton();
}

void MainFrm::setViewerImage(int image)
{
    m_viewerImage = image;
    MPicViewer->setChecked(image == Settings::ViewerOn);
    m_buttons[ViewerButton]->setIcon(ToolbarIcons::icon(
        image == Settings::ViewerOff ? ToolbarIcons::Picture::ViewerOff : ToolbarIcons::Picture::ViewerOn));
}

void MainFrm::setRecycleImage(int image)
{
    m_recycleImage = image;
    MSendToRecycleBin->setChecked(image == Settings::ToRecycleBin);
    m_buttons[RecycleButton]->setIcon(ToolbarIcons::icon(
        image == Settings::DeletePermanently ? ToolbarIcons::Picture::Permanent : ToolbarIcons::Picture::Recycle));
}

void MainFrm::MPicViewer_Click()
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

void MainFrm::MSendToRecycleBin_Click()
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
    RLV->setSortMark(-1, true);
    m_sort.sorted = false;
}

void MainFrm::RLV_ColumnClick(int column)
{
    SortCols(column + 1, QStringLiteral("None"));
}

void MainFrm::SortCols(int Col, const QString &SortOrder)
{
    runStep(m_errors, QStringLiteral("Sorting Column : ") + QString::number(Col), [&] {
        const std::optional<int> key = ResultSort::keyColumn(Col);
        if (!key)
            return;
        const bool ascending = m_sort.nextAscending(SortOrder == QStringLiteral("None"));
        const WaitCursor wait;
        m_results->sortByColumn(*key, ascending);
        m_sort = {true, ascending};
        RLV->setSortMark(Col - 1, ascending);
        if (!MMarkAll->isVisible())
            m_results->RebandRows();
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

void MainFrm::MHelpTopics_Click()
{
    showManual(QString());
}

void MainFrm::mnuFaq_Click()
{
    showManual(HelpFrm::faqSection());
}

void MainFrm::mnuHelponline_Click()
{
    showManual(HelpFrm::contentsSection());
}

void MainFrm::mnuTip_Click()
{
    TipFrm tips(m_settings, this);
    CommonDlg::CenterForm(&tips);
    tips.exec();
}

void MainFrm::mnuTellaFriend_Click()
{
    TellFrm tell(this);
    tell.exec();
}

void MainFrm::MAbout_Click()
{
    AboutFrm about(this);
    about.exec();
}
