// SPDX-License-Identifier: GPL-3.0-or-later
// The deletion run of DeleteFilesDialog: each marked row's file to the trash or away for good.
#pragma once

#include <QCoreApplication>
#include <QString>

class ActRecorder;
class ActionProgress;
class ErrorReporter;
class FolderProof;
class Prompter;
class RemovalGuard;
class ResultModel;

struct DeleteOptions
{
    bool sendToTrash = true;        // trashCheck
    bool respondYesToAll = true;    // respondCheck: no question before each file
    bool removeEmptyFolders = true; // emptyFoldersCheck
    QString trashFolder;            // the home trash to use; empty: the user's
};

class DeleteMarkedRows
{
    Q_DECLARE_TR_FUNCTIONS(DeleteMarkedRows)

public:
    DeleteMarkedRows(const ResultModel &model, const RemovalGuard &guard, Prompter &prompter, ErrorReporter &reporter);

    /// Deletes the files of the marked rows, first to last, until the end or a cancel; then the
    /// empty-folder pass and "Completed". The rows themselves are left to the caller. False
    /// when the user chose Abort in the error report: the run stopped where it stood.
    bool run(const DeleteOptions &options, ActionProgress &progress);

private:
    void deleteOne(int row, const DeleteOptions &options, ActionProgress &progress, ActRecorder &recorder);
    /// A marked folder of a list of folders: to the trash or away for good whole, after its proof,
    /// or not at all.
    void deleteFolder(int row, const FolderProof &proof, const DeleteOptions &options, ActionProgress &progress,
                      ActRecorder &recorder);

    const ResultModel &m_model;
    const RemovalGuard &m_guard;
    Prompter &m_prompter;
    ErrorReporter &m_reporter;
};
