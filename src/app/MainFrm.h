// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: search locations, engine and options, the scan, the result list and every
// command of the menus and the toolbar. One class in several files, each named for the part of
// the window it holds (the private declarations below are grouped the same way).
#pragma once

#include "app/ScanTotals.h"
#include "core/Stopwatch.h"
#include "core/Version.h"
#include "engine/ScanPipeline.h"
#include "platform/Settings.h"
#include "results/ResultSort.h"
#include "sessions/SessionCommands.h"
#include "sessions/SessionState.h"

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
class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class ElidedLabel;
class QLabel;
class QLineEdit;
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

/// What the main window is given: where it asks its questions, reports unexpected failures,
/// keeps its settings, and how it plays the end sound.
struct MainFrmServices
{
    Prompter &prompter;
    ErrorReporter &errors;
    Settings &settings;
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

    static QString title() { return tr("Corvina v%1").arg(QLatin1String(CorvinaVersion)); }

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
    ElidedLabel *panel(Panel p) const { return m_panels[static_cast<size_t>(p) - 1]; }
    /// The progress bar beside panel 1, shown while a scan or a load runs.
    ScanProgressBar *progressBar() const { return m_progressBar; }
    void setPanel(Panel p, const QString &text);

    /// True while a scan or a session load runs.
    bool busy() const { return m_busy; }
    /// Deletion goes to the trash (the check mark of "Send to Recycle Bin").
    bool recycleBin() const;
    /// The engine option selected: 1 byte to byte, 2 CRC32, 3 same name, 4 zero size, 5 duplicate
    /// folders, 6 similar pictures.
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

    /// The search setup and totals as session files keep them (the totals' texts in English).
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
    // Building the window, one group of controls at a time (MainFrmUi.cpp).
    void createMenus();
    // File > Open Recent, from the settings' list (MainFrmSessions.cpp).
    void fillRecentMenu();
    // The filter box: hides the rows whose name and folder do not hold its text (MainFrmResultList.cpp).
    void applyFilter();
    /// The filter box's rule, and in a list of folders the switch of the folders with nothing
    /// unique (the rows in no group).
    bool showsRow(int row) const;
    // "Keep Every File in This Folder" and "Stop Keeping This Folder", for the focused row.
    void keepFocusedFolder();
    void stopKeepingFocusedFolder();
    void openRecentSession(const QString &path);
    void rememberSession(const QString &path);
    void createFileMenu();
    void createEditMenu();
    void createActionMenu();
    void createMarkMenu();
    void createHelpMenu();
    QAction *action(QMenu *menu, const char *name, const QString &caption);
    void createShortcuts();
    void createToolbar();
    void createStatusBar();
    void createControls();
    void createLocationControls(QWidget *central, QBoxLayout *row);
    void createEngineControls(QWidget *central);
    void createEscapeButton(QWidget *central);
    void createTimers();
    void orderTabs();

    // Connecting the controls and the command controllers (MainFrmWiring.cpp).
    void wireCommands();
    void wireSearchSetup();
    void wireMarking();
    void wireActions();
    /// Runs a command of a controller when the action is triggered, under the error report.
    void connectCommand(QAction *action, const QString &label, const std::function<void()> &command);

    // Start, run, close, and the place the window comes back to (MainFrm.cpp).
    void showInitialState();
    void restoreWindow();
    void restorePlacement();
    void runStartup();
    void saveAndCloseTools();
    void restoreCaption();
    void closeWindow();
    void playEndSound();
    /// The size and frame position the window comes back to from maximized or minimized.
    QRect normalPlacement() const;

    // The status bar (MainFrmStatus.cpp).
    /// Panel 1's prompt to add a location, and the clock at zero.
    void showStartPrompt();
    /// Panels 2 to 4 from m_totals.
    void showTotals();
    /// Panel 2 counted again from the rows the list holds now (after an act or a load).
    void countWhatIsLeft();
    void showElapsedTime();
    /// The sentence under the result list that names what the locations and options leave out.
    void showLeftOut();
    /// The scan clock stands still while a question waits for the user.
    void questionWaits(bool waiting);

    // The scan and the busy state (MainFrmScan.cpp).
    void startScan();
    void startRun();
    void showScanSummary(const ScanSummary &summary);
    void enableCommands(bool idle);
    void showBusyPanels(bool busy);
    void cancelScan();
    void cancelByEscape();
    bool tooManyFiles(qint32 totalFiles);

    // Sessions, the default session and export (MainFrmSessions.cpp).
    void startNewSession();
    void applyState(const SessionState &state);
    void saveDefaultSession();
    void showLoadedSession(const SessionLoadReport &report, const SessionState &state);
    void showLoadSessionDialog();
    void showSaveSessionDialog();
    void exportResults();
    /// Asks before a command drops a result list that holds marks; true to go on.
    bool marksMayGo();

    // The search setup: locations, engine and options (MainFrmSearchSetup.cpp).
    void addLocation();
    void changeLocation();
    void removeLocation();
    void updateRemoveButton();
    void chooseEngine(int id);
    void selectEngine(int id);
    /// The engine and its options as the controls stand, for a scan.
    ScanOptions scanOptions() const;
    /// The similarity the combo box shows, and showing one.
    PictureLevel similarity() const;
    void selectSimilarity(PictureLevel level);
    void setFuzzyFromCode(bool checked);
    void explainFuzzyLogic();
    void confirmUnprotect();

    // The result list: sorting, selection, its menus and the marking window (MainFrmResultList.cpp).
    void sortByHeader(int column);
    void clearSortMarks();
    void onListSorted(int column, Qt::SortOrder order);
    void setZeroSizeMenus(bool zeroSize);
    void previewOnArrowKey(int key);
    void showActionMenu(const QPoint &at);
    void showAdvancedMarking();
    void closeAdvMarkFrm();
    /// The rows selected in the result list, in list order.
    std::vector<int> selectedResultRows() const;
    /// The result list's current row, or -1.
    int focusedResultRow() const;

    // The toolbar and the two switches it shares with the File menu (MainFrmToolbar.cpp).
    void runToolbarButton(int index);
    void togglePictureViewer();
    void toggleRecycleBin();
    void showViewerSwitch(bool on);
    void showDeletionMode(Settings::DeletionMode mode);
    /// Shows a switch again when its setting changed, whichever window changed it.
    void followSetting(Settings::Key key);

    // The Help menu's windows (MainFrmHelp.cpp).
    void showManual(const QString &section);
    void showHelpTopics();
    void showFaq();
    void showHelpContents();
    void showTipOfTheDay();
    void showTellAFriend();
    void showAbout();

    Prompter &m_prompter;
    ErrorReporter &m_errors;
    Settings &m_settings;
    std::function<void()> m_endSound;
    QString m_commandLine;

    ResultModel *m_results = nullptr;
    SearchLocationModel *m_locations = nullptr;

    // Menus.
    QMenu *m_fileMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_actionMenu = nullptr;
    QMenu *m_markMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QAction *m_scanAction = nullptr;
    QAction *m_cancelAction = nullptr;
    QAction *m_newSessionAction = nullptr;
    QAction *m_loadSessionAction = nullptr;
    QMenu *m_recentMenu = nullptr;
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
    QAction *m_markShownAction = nullptr;
    QAction *m_unmarkShownAction = nullptr;
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
    QAction *m_keepFolderAction = nullptr;
    QAction *m_stopKeepingAction = nullptr;
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
    QAction *m_undoAction = nullptr;
    QAction *m_journalAction = nullptr;

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

    // Status bar.
    std::array<ElidedLabel *, 5> m_panels{};
    ScanProgressBar *m_progressBar = nullptr;

    // Search setup.
    SearchListView *m_locationView = nullptr;
    QToolButton *m_addButton = nullptr;
    QToolButton *m_removeButton = nullptr;
    QGroupBox *m_engineBox = nullptr;
    QWidget *m_engineChoices = nullptr;
    QButtonGroup *m_engines = nullptr;
    std::array<QRadioButton *, 7> m_engineButtons{}; // m_engineButtons[1] .. m_engineButtons[6]
    QLabel *m_similarityLabel = nullptr;
    QComboBox *m_similarityCombo = nullptr; // the levels of the similar-pictures search
    QCheckBox *m_fuzzyCheck = nullptr;
    QCheckBox *m_containedCheck = nullptr; // the folders with nothing unique, in a list of folders
    QCheckBox *m_protectCheck = nullptr;
    QCheckBox *m_includeHiddenCheck = nullptr;
    QLabel *m_leftOutLabel = nullptr;
    // Who sets a check box: its question or explanation comes only with the user's own click.
    // The fuzzy box explains nothing until a session (or the default session) has been read.
    enum class SetBy
    {
        Nobody,
        User,
        File,
    };
    SetBy m_fuzzySetBy = SetBy::Nobody;
    SetBy m_protectSetBy = SetBy::User;

    // Results.
    ResultView *m_resultView = nullptr;
    QLineEdit *m_filterEdit = nullptr;
    ResultSort::State m_sort;
    MarkingCommands *m_marking = nullptr;
    ActionCommands *m_actions = nullptr;
    QPointer<AdvMarkFrm> m_advMarking;
    int m_pointerTwips = 0; // the pointer's distance from the list's left edge at its last press

    QPushButton *m_escapeButton = nullptr;
    QTimer *m_clockTimer = nullptr;
    QTimer *m_endSoundTimer = nullptr;
    Stopwatch m_stopwatch;

    // The totals of the last scan or load, and the texts of panels 2 to 4 that files keep.
    ScanTotals m_totals = ScanTotals::beforeFirstScan();

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
