// SPDX-License-Identifier: GPL-3.0-or-later
// The bulk commands on marked files: Delete, Move and Copy, from the marks to the clean list.
#pragma once

#include "actions/LinkMarkedRows.h"
#include "results/KeepOneChoice.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <set>
#include <vector>

class ErrorReporter;
class Prompter;
class ResultModel;
struct ResultRow;

/// What the driver hands the deletion or copy/move dialog.
struct ActionRun
{
    int markedCount = 0;
    QString targetPath;                  // copy and move: the chosen folder, without a trailing "/"
    std::set<qint32> acknowledgedGroups; // groups the user chose to act on wholly after the warning
    bool warningsIgnored = false;        // "Ig&nore warnings" covered some of those groups unseen
};

/// Opens the dialogs modally (the program: DeleteFilesDialog and FileCMFrm; tests run the logic).
class ActionDialogs
{
public:
    virtual ~ActionDialogs() = default;
    /// Returns the dialog's notRun: true when it was closed before anything ran.
    virtual bool runDeletion(const ActionRun &run) = 0;
    virtual bool runMove(const ActionRun &run) = 0;
    virtual void runCopy(const ActionRun &run) = 0;
    /// Replaces the marked files with links; returns notRun, and fills result.
    virtual bool runLinks(const ActionRun &run, FileTransfer::LinkKind kind, LinkRunResult &result) = 0;
};

/// Shows the keep-one warning (WarningFrm) for the rows of one fully marked group, given as row
/// indexes in list order. The window writes the marks the user changes straight to the rows.
using KeepOneWarning = std::function<KeepOneChoice(const std::vector<int> &rows)>;

class ActionDriver
{
    Q_DECLARE_TR_FUNCTIONS(ActionDriver)

public:
    struct Context
    {
        ResultModel &model;
        Prompter &prompter;
        ErrorReporter &reporter;
        ActionDialogs &dialogs;
        KeepOneWarning warning;
        std::function<void(const QString &)> setStatus; // status-bar panel 1 (may be empty)
        std::function<void()> processEvents;            // may be empty
    };

    explicit ActionDriver(Context context);

    enum class Removal
    {
        Delete,
        Move,
    };
    /// What is and is not done to a list of whole folders (ResultModel::isFolderList), in the
    /// user's language: Delete and Move act on one, a marked folder going whole once it is proved
    /// a copy of an unmarked folder of its group.
    static QString folderListText();
    /// Why only a list of identical files is replaced with links, in the user's language.
    static QString linksNeedIdenticalFilesText();
    /// Whether the row's file (or, in a list of folders, its folder) is still at its path: the
    /// test by which the list drops a row after an act.
    static bool rowStillThere(const ResultModel &model, const ResultRow &row);

    /// Delete or Move the marked files.
    void processMarkedRows(Removal action);
    /// Copy the marked files; the list stays as it is.
    void copyMarkedFiles();
    /// Replace the marked files with links to the kept copies; their rows stay, shown as linked.
    void replaceWithLinks(FileTransfer::LinkKind kind);

    /// "No items marked/checked", the answer of every command when nothing is marked.
    static QString nothingMarked();

private:
    bool refusedFolderList();
    /// The keep-one walk: false when the user closed the warning without an answer.
    bool protectFullyMarkedGroups(ActionRun &run);
    bool zeroSizeListing() const;
    void showStatus(const QString &text);
    void cleanUpAfterRun();

    Context m_ctx;
};
