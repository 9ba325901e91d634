// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: search locations, engine and options, the scan, the result list and every
// command of the menus and the toolbar.
#pragma once

#include "core/buzTimer.h"
#include "engine/ScanPipeline.h"
#include "results/ResultSort.h"
#include "sessions/SessionCommands.h"
#include "sessions/SessionState.h"

#include "platform/SettingsKeys.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <vector>

class ErrorReporter;
class HelpFrm;
class ActionCommands;
class AdvMarkFrm;
class MarkingCommands;
class Prompter;
class QAction;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolBar;
class QToolButton;
class ResultModel;
class ResultView;
class ScanProgressBar;
class SearchListView;
class SearchLocationModel;
class SettingsStore;

/// What the main window is given: where it asks its questions, reports unexpected failures,
/// keeps its settings, and how it plays the end sound.
struct MainFrmServices
{
    Prompter &prompter;
    ErrorReporter &errors;
    SettingsStore &settings;
    std::function<void()> endSound;
};

class MainFrm : public QMainWindow, public SessionCommands
{
    Q_OBJECT
public:
    /// commandLine: the text after the program name ("" for none); "-un" never reaches here.
    explicit MainFrm(const MainFrmServices &services, const QString &commandLine = QString(),
                     QWidget *parent = nullptr);
    ~MainFrm() override;

    static QString title() { return tr("Corvina v3.0"); }

    ResultModel &results() { return *m_results; }
    SearchLocationModel &locations() { return *m_locations; }

    /// The five panels of the status bar, by their numbers.
    enum class Panel
    {
        Activity = 1, // what runs, the marked-files summary, the end of a search
        Duplicates,   // "Duplicate Files: ..."
        Files,        // "Files : ..."
        Folders,      // "Folders : ..."
        Clock,        // the elapsed time
    };
    QLabel *panel(Panel p) const { return m_panels[static_cast<size_t>(p) - 1]; }
    /// The progress bar beside panel 1, shown while a scan or a load runs.
    ScanProgressBar *progressBar() const { return m_progressBar; }
    void setPanel(Panel p, const QString &text);

    /// True while a scan or a session load runs.
    bool busy() const { return m_busy; }
    /// Deletion goes to the trash (the check mark of "Send to Recycle Bin").
    bool recycleBin() const;
    /// The engine option selected: 1 byte to byte, 2 CRC32, 3 same name, 4 zero size.
    int engine() const;

    /// Plays the end sound 500 ms from now (after a scan, a session load or an action run).
    void startEndSound();

    /// Scans of more files than this ask before the engine runs (100000; tests lower it).
    void setTooManyFilesLimit(qint32 limit) { m_tooManyFilesLimit = limit; }

    /// Sorts the result list by the column the user sees as Col (1-based model column);
    /// SortOrder "None" toggles the direction, anything else sorts ascending.
    void SortCols(int Col, const QString &SortOrder);
    /// Switches between scanning (or loading) and idle.
    void SetBusyState(bool busy);

    /// The search setup and counters as session files keep them.
    SessionState currentState() const;
    /// Reads the engine, options and locations of a session file (start-up, the command line);
    /// they change only when the file is whole.
    SessionRead LoadSessionParameters(const QString &path);

    // SessionCommands: the session dialog saves and loads through the window.
    bool saveSession(const QString &path, bool parametersOnly, const ProgressHooks &progress) override;
    bool openSession(const QString &path, bool reScan, bool reCheck, const ProgressHooks &progress) override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    // Construction (MainFrmUi.cpp).
    void createMenus();
    void createToolbar();
    void createStatusBar();
    void createControls();
    QAction *action(QMenu *menu, const char *name, const QString &caption);
    void createShortcuts();
    void orderTabs();

    // Wiring the command controllers (MainFrmWiring.cpp).
    void wireMarking();
    void wireActions();
    /// Runs a command of a controller when the action is triggered, under the error report.
    void connectCommand(QAction *action, const QString &label, const std::function<void()> &command);

    // Start, run, stop.
    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload();
    void Form_Resize();

    // Commands.
    void MCancel_Click();
    void MClose_Click();
    void MScan_Click();
    void MNewSession_Click();
    void MLoadSession_Click();
    void MSaveSession_Click();
    void MExport_Click();
    void MPicViewer_Click();
    void MSendToRecycleBin_Click();
    void MHelpTopics_Click();
    void mnuTip_Click();
    void mnuFaq_Click();
    void mnuHelponline_Click();
    void mnuTellaFriend_Click();
    void MAbout_Click();
    void Toolbar1_ButtonClick(int index);
    void Command1_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void chkFuzzy_Click();
    void chkProtect_Click();
    void Option_Click(int id);
    void cmdAdd_Click();
    void cmdRemove_Click();
    void SearchList_DblClick();
    void RLV_ColumnClick(int column);
    void RLV_KeyUp(int key);
    void RLV_ContextMenu(const QPoint &at);
    void onListSorted(int column, Qt::SortOrder order);
    void mnuAdvMarkForm_Click();
    void closeAdvMarkFrm();

    // Window state.
    void applyState(const SessionState &state);
    void saveDefaultSession();
    void setZeroSizeMenus(bool zeroSize);
    bool tooManyFiles(qint32 totalFiles);
    void selectEngine(int id);
    void setFuzzyFromCode(bool checked);
    void updateRemoveButton();
    /// Asks before a command drops a result list that holds marks; true to go on.
    bool marksMayGo();
    /// The scan clock stands still while a question waits for the user.
    void questionWaits(bool waiting);
    /// The size and frame position the window comes back to from maximized or minimized.
    QRect normalPlacement() const;
    void setViewerImage(int image);
    void setRecycleImage(int image);
    void showManual(const QString &section);
    void clearSortMarks();
    void startRun();
    /// The rows selected in the result list, in list order.
    std::vector<int> selectedResultRows() const;
    /// The result list's current row, or -1.
    int focusedResultRow() const;

    Prompter &m_prompter;
    ErrorReporter &m_errors;
    SettingsStore &m_settings;
    std::function<void()> m_endSound;
    QString m_commandLine;

    ResultModel *m_results = nullptr;
    SearchLocationModel *m_locations = nullptr;

    // Menus.
    QMenu *MnuFile = nullptr;
    QMenu *MAction = nullptr;
    QMenu *MMark = nullptr;
    QMenu *MHelp = nullptr;
    QAction *MScan = nullptr;
    QAction *MCancel = nullptr;
    QAction *MNewSession = nullptr;
    QAction *MLoadSession = nullptr;
    QAction *MSaveSession = nullptr;
    QAction *MExport = nullptr;
    QAction *MPicViewer = nullptr;
    QAction *MSendToRecycleBin = nullptr;
    QAction *MClose = nullptr;
    QAction *MAddLocation = nullptr;
    QAction *MRemoveLocation = nullptr;
    QAction *MNone = nullptr;
    QAction *MMarkAll = nullptr;
    QAction *MMarkingSelected = nullptr;
    QAction *mnuUnMarkSelected = nullptr;
    QAction *MarkSep2 = nullptr;
    QAction *MMarkAllDuplicates = nullptr;
    QAction *mnuAdvMarking = nullptr;
    QAction *MMarkFolder = nullptr;
    QAction *mnuFolderAndSubFolder = nullptr;
    QAction *mnuAdvMarkForm = nullptr;
    QAction *MCopyMarkFiles = nullptr;
    QAction *MMoveSelected = nullptr;
    QAction *MDelete = nullptr;
    QAction *mnuLinkHard = nullptr;
    QAction *mnuLinkClone = nullptr;
    QAction *MRename = nullptr;
    QAction *mnuRemoveFromResult = nullptr;
    QAction *MOpenFile = nullptr;
    QAction *MOpenFolder = nullptr;
    QAction *mnuOpenAllMarkFiles = nullptr;
    QAction *MCopyPath = nullptr;
    QAction *MFileProperties = nullptr;
    QAction *MHelpTopics = nullptr;
    QAction *mnuTip = nullptr;
    QAction *mnuFaq = nullptr;
    QAction *mnuHelponline = nullptr;
    QAction *mnuTellaFriend = nullptr;
    QAction *MAbout = nullptr;

    // Toolbar: buttons by index 1 to 12 (3 and 9 are separators).
    enum Button
    {
        ScanButton = 1,
        CancelButton = 2,
        MarkButton = 4,
        CopyButton = 5,
        MoveButton = 6,
        DeleteButton = 7,
        RenameButton = 8,
        ExportButton = 10,
        ViewerButton = 11,
        RecycleButton = 12,
    };
    QToolBar *Toolbar1 = nullptr;
    std::array<QAction *, RecycleButton + 1> m_buttons{};
    int m_viewerImage = Settings::ViewerOn;
    int m_recycleImage = Settings::ToRecycleBin;

    // Status bar.
    std::array<QLabel *, 5> m_panels{};
    ScanProgressBar *m_progressBar = nullptr;

    // Search setup.
    SearchListView *SearchList = nullptr;
    QToolButton *cmdAdd = nullptr;
    QToolButton *cmdRemove = nullptr;
    QGroupBox *Frame1 = nullptr;
    QWidget *Frame2 = nullptr;
    QButtonGroup *m_engines = nullptr;
    std::array<QRadioButton *, 5> Option{}; // Option[1] .. Option[4]
    QCheckBox *chkFuzzy = nullptr;
    QCheckBox *chkProtect = nullptr;
    QCheckBox *chkIncludeHidden = nullptr;
    QString chkFuzzyTag;
    QString chkProtectTag = QStringLiteral("Direct");

    // Results.
    ResultView *RLV = nullptr;
    ResultSort::State m_sort;
    MarkingCommands *m_marking = nullptr;
    ActionCommands *m_actions = nullptr;
    QPointer<AdvMarkFrm> m_advMarking;
    int m_pointerTwips = 0; // the pointer's distance from the list's left edge at its last press

    QPushButton *Command1 = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    buzTimer ScanTimer;

    // Counters of the last scan or load.
    qint32 TotalFiles = 0;
    qint32 TotalFolders = 0;
    qint32 DuplicateCount = 0;
    qint64 DuplicateSize = 0;

    qint32 m_tooManyFilesLimit = ScanPipeline::DefaultTooManyFiles;

    bool EditMode = false;
    bool m_busy = false;
    bool m_activated = false;
    bool m_closeWhenIdle = false;
    bool m_cancelRequested = false;
    HelpFrm *m_manual = nullptr;

    // Where the keyboard was when a scan or a load began, to give it back afterwards.
    QPointer<QWidget> m_focusBeforeBusy;
    // The client area's offset in the frame while the window was last neither maximized nor
    // minimized: the place is saved as the frame's.
    QPoint m_frameOffset;
};
