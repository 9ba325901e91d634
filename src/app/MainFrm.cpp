// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's life: construction, start-up, closing, and the place it comes back to. The
// rest of the class is in the MainFrm*.cpp files named for what they hold.
#include "app/MainFrm.h"

#include "actions/ActionCommands.h"
#include "app/HelpFrm.h"
#include "app/WindowGeometry.h"
#include "core/ErrorReport.h"
#include "core/Prompter.h"
#include "platform/AppFolders.h"
#include "platform/FileFunctions.h"
#include "results/ResultModel.h"
#include "results/ResultView.h"
#include "search/SearchLocationModel.h"
#include "sessions/SessionReader.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QTimer>

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
    createTimers();

    wireCommands();
    wireSearchSetup();
    wireMarking();
    wireActions();

    showInitialState();
    restoreWindow();
}

MainFrm::~MainFrm() = default;

void MainFrm::showInitialState()
{
    selectEngine(ScanOptions::ByteToByte);
    m_protectCheck->setChecked(true);
    showStartPrompt();
    showLeftOut();
    setBusyState(false);
}

void MainFrm::restoreWindow()
{
    showTotals();
    restorePlacement();
    // The two switches show their settings, and follow them whichever window changes one.
    showViewerSwitch(m_settings.showViewer());
    showDeletionMode(m_settings.deletionMode());
    connect(&m_settings, &Settings::changed, this, &MainFrm::followSetting);
    fillRecentMenu();

    // The locations and options of the last scan or the last run come back, without results.
    const QString defaultSession = AppFolders::defaultSessionPath();
    if (FileFunctions::fileExists(defaultSession))
        loadSessionParameters(defaultSession);
}

void MainFrm::restorePlacement()
{
    // Never smaller than the controls need: a larger font or a longer translation would
    // otherwise squeeze the search setup until its choices overlap.
    setMinimumSize(WindowGeometry::minimumSize().expandedTo(minimumSizeHint()));
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    // A place saved on a screen that is gone (or far off any screen) comes back onto one.
    WindowGeometry::Placement kept = WindowGeometry::load(m_settings);
    // The first window is wide enough for every column of the results, as far as its screen allows.
    if (!m_settings.isStored(Settings::Key::MainWindowWidth))
    {
        const QMargins margins = centralWidget()->layout()->contentsMargins();
        kept.size.setWidth(
            std::max(kept.size.width(), m_resultView->widthForEveryColumn() + margins.left() + margins.right()));
    }
    const WindowGeometry::Placement placement = WindowGeometry::onScreen(kept, screens);
    resize(placement.size);
    move(placement.topLeft);
    if (m_settings.mainWindowMaximized())
        setWindowState(windowState() | Qt::WindowMaximized);
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
        if (m_settings.showTipsAtStartup())
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
    //: The step named in the error report: the main window closing.
    runStep(m_errors, tr("Unloading"), [this] {
        saveDefaultSession();
        m_actions->closePictureViewer();
        closeAdvMarkFrm();
        if (m_manual)
            m_manual->close();
    });
}

void MainFrm::closeWindow()
{
    close();
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

QRect MainFrm::normalPlacement() const
{
    if (!isMinimized() && !isMaximized() && !isFullScreen())
        return {pos(), size()};
    // normalGeometry() is the client area; the place is kept as the frame's, as move() takes it,
    // with the frame the window had when it was last normal, so it does not creep by a title bar.
    const QRect normal = normalGeometry();
    return {normal.topLeft() - m_frameOffset, normal.size()};
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

void MainFrm::playEndSound()
{
    m_endSoundTimer->stop();
    if (m_endSound)
        m_endSound();
}
