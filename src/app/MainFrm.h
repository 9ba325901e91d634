// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: search locations, engine and options, the scan, the result list and every
// command of the menus and the toolbar.
#pragma once

#include "core/Stopwatch.h"
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

    /// Sorts the result list by the column the user sees as col (1-based model column);
    /// sortOrder "None" toggles the direction, anything else sorts ascending.
    void sortByColumn(int col, const QString &sortOrder);
    /// Switches between scanning (or loading) and idle.
    void setBusyState(bool busy);

    /// The search setup and counters as session files keep them.
    SessionState currentState() const;
    /// Reads the engine, options and locations of a session file (start-up, the command line);
    /// they change only when the file is whole.
    SessionRead loadSessionParameters(const QString &path);

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
    void restoreWindow();
    void runStartup();
    void saveAndCloseTools();
    void restoreCaption();

    // Commands.
    void cancelScan();
    void closeWindow();
    void startScan();
    void startNewSession();
    void showLoadSessionDialog();
    void showSaveSessionDialog();
    void exportResults();
    void togglePictureViewer();
    void toggleRecycleBin();
    void showHelpTopics();
    void showTipOfTheDay();
    void showFaq();
    void showHelpContents();
    void showTellAFriend();
    void showAbout();
    void runToolbarButton(int index);
    void cancelByEscape();
    void showElapsedTime();
    void playEndSound();
    void explainFuzzyLogic();
    void confirmUnprotect();
    void chooseEngine(int id);
    void addLocation();
    void removeLocation();
    void changeLocation();
    void sortByHeader(int column);
    void previewOnArrowKey(int key);
    void showActionMenu(const QPoint &at);
    void onListSorted(int column, Qt::SortOrder order);
    void showAdvancedMarking();
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
    QMenu *m_fileMenu = nullptr;
    QMenu *m_actionMenu = nullptr;
    QMenu *m_markMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QAction *m_scanAction = nullptr;
    QAction *m_cancelAction = nullptr;
    QAction *m_newSessionAction = nullptr;
    QAction *m_loadSessionAction = nullptr;
    QAction *m_saveSessionAction = nullptr;
    QAction *m_exportAction = nullptr;
    QAction *m_pictureViewerAction = nullptr;
    QAction *m_recycleBinAction = nullptr;
    QAction *m_closeAction = nullptr;
    QAction *m_addLocationAction = nullptr;
    QAction *m_removeLocationAction = nullptr;
    QAction *m_unmarkAllAction = nullptr;
    QAction *m_markAllAction = nullptr;
    QAction *m_markSelectedAction = nullptr;
    QAction *m_unmarkSelectedAction = nullptr;
    QAction *m_duplicatesSeparator = nullptr;
    QAction *m_markDuplicatesAction = nullptr;
    QAction *m_markUpToAction = nullptr;
    QAction *m_markFolderAction = nullptr;
    QAction *m_markSubFoldersAction = nullptr;
    QAction *m_advancedMarkingAction = nullptr;
    QAction *m_copyAction = nullptr;
    QAction *m_moveAction = nullptr;
    QAction *m_deleteAction = nullptr;
    QAction *m_hardLinkAction = nullptr;
    QAction *m_cloneAction = nullptr;
    QAction *m_renameAction = nullptr;
    QAction *m_removeFromListAction = nullptr;
    QAction *m_openFileAction = nullptr;
    QAction *m_openFolderAction = nullptr;
    QAction *m_openMarkedAction = nullptr;
    QAction *m_copyPathAction = nullptr;
    QAction *m_propertiesAction = nullptr;
    QAction *m_helpTopicsAction = nullptr;
    QAction *m_tipAction = nullptr;
    QAction *m_faqAction = nullptr;
    QAction *m_helpOnlineAction = nullptr;
    QAction *m_tellAFriendAction = nullptr;
    QAction *m_aboutAction = nullptr;

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
    QToolBar *m_toolbar = nullptr;
    std::array<QAction *, RecycleButton + 1> m_buttons{};
    int m_viewerImage = Settings::ViewerOn;
    int m_recycleImage = Settings::ToRecycleBin;

    // Status bar.
    std::array<QLabel *, 5> m_panels{};
    ScanProgressBar *m_progressBar = nullptr;

    // Search setup.
    SearchListView *m_locationView = nullptr;
    QToolButton *m_addButton = nullptr;
    QToolButton *m_removeButton = nullptr;
    QGroupBox *m_engineBox = nullptr;
    QWidget *m_engineChoices = nullptr;
    QButtonGroup *m_engines = nullptr;
    std::array<QRadioButton *, 5> m_engineButtons{}; // m_engineButtons[1] .. m_engineButtons[4]
    QCheckBox *m_fuzzyCheck = nullptr;
    QCheckBox *m_protectCheck = nullptr;
    QCheckBox *m_includeHiddenCheck = nullptr;
    QString m_fuzzyTag;
    QString m_protectTag = QStringLiteral("Direct");

    // Results.
    ResultView *m_resultView = nullptr;
    ResultSort::State m_sort;
    MarkingCommands *m_marking = nullptr;
    ActionCommands *m_actions = nullptr;
    QPointer<AdvMarkFrm> m_advMarking;
    int m_pointerTwips = 0; // the pointer's distance from the list's left edge at its last press

    QPushButton *m_escapeButton = nullptr;
    QTimer *m_clockTimer = nullptr;
    QTimer *m_endSoundTimer = nullptr;
    Stopwatch m_stopwatch;

    // Counters of the last scan or load.
    qint32 m_totalFiles = 0;
    qint32 m_totalFolders = 0;
    qint32 m_duplicateCount = 0;
    qint64 m_duplicateSize = 0;

    qint32 m_tooManyFilesLimit = ScanPipeline::DefaultTooManyFiles;

    bool m_changingLocation = false;
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
