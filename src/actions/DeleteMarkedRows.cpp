// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/DeleteMarkedRows.h"

#include "actions/ActJournal.h"
#include "actions/ActionProgress.h"
#include "actions/EmptyFolders.h"
#include "actions/FolderProof.h"
#include "actions/MarkedRowRun.h"
#include "actions/RemovalGuard.h"
#include "core/ErrorReport.h"
#include "core/Prompter.h"
#include "platform/FileTransfer.h"
#include "platform/Trash.h"
#include "results/ResultModel.h"

DeleteMarkedRows::DeleteMarkedRows(const ResultModel &model, const RemovalGuard &guard, Prompter &prompter,
                                   ErrorReporter &reporter)
    : m_model(model), m_guard(guard), m_prompter(prompter), m_reporter(reporter)
{}

bool DeleteMarkedRows::run(const DeleteOptions &options, ActionProgress &progress)
{
    FoldersToCheck folders;
    ActRecorder recorder(options.sendToTrash ? ActKind::Trash : ActKind::Delete);
    // A list of whole folders: each marked folder goes whole to the trash, and the folders that
    // hold them are left as they are.
    const bool folderList = m_model.isFolderList();
    std::optional<FolderProof> proof;
    if (folderList)
        proof.emplace(m_model, m_guard.acknowledgedGroups());
    const bool finished =
        MarkedRowRun::forEach(m_model, progress, m_reporter, QStringLiteral("Delete Files X"), [&](int row) {
            if (folderList)
            {
                trashFolder(row, *proof, options, progress, recorder);
                return;
            }
            deleteOne(row, options, progress, recorder);
            folders.queueFolderCheck(m_model.row(row).path);
        });
    recorder.finish();
    if (!finished)
        return false;
    if (options.removeEmptyFolders)
        runEmptyFolderPass(folders, m_model.anchors(), progress);
    progress.showStatus(tr("Completed"));
    return true;
}

void DeleteMarkedRows::deleteOne(int row, const DeleteOptions &options, ActionProgress &progress, ActRecorder &recorder)
{
    const ResultRow &r = m_model.row(row);
    const QString path = r.fullPath();
    progress.showStatus(fileLabelText(path));
    if (!options.respondYesToAll)
    {
        // A file that cannot go is not asked about; the whole proof waits until after the answer,
        // so that nothing done while the question waits can slip past it.
        if (!MarkedRowRun::mayAct(m_guard.identifyForRemoval(row), path, progress))
            return;
        const QString question = options.sendToTrash
                                     ? tr("Are you sure you want to send \"%1\" to the trash?").arg(r.name)
                                     : tr("Are you sure you want to delete \"%1\" permanently?").arg(r.name);
        if (!m_prompter.confirm(tr("Confirm"), question, PromptIcon::Question))
        {
            progress.addError(ActionError::unableToDelete(path));
            return;
        }
    }
    // The proof runs inside the step, so that a Retry after the error report proves again.
    FileOpResult result;
    bool proved = false;
    runStep(m_reporter, QStringLiteral("Shell Delete"), [&] {
        const RemovalGuard::Check check = m_guard.check(row, [&progress] { progress.yield(); });
        proved = MarkedRowRun::mayAct(check, path, progress);
        if (!proved)
            return;
        result = options.sendToTrash ? Trash::moveToTrash(check.file, options.trashFolder)
                                     : FileTransfer::deleteForGood(check.file);
        if (result.ok())
            recorder.add(check.file, result.target);
    });
    if (!proved)
        return;
    MarkedRowRun::reportFailure(result, path, ActionError::unableToDelete(path), progress);
}

void DeleteMarkedRows::trashFolder(int row, const FolderProof &proof, const DeleteOptions &options,
                                   ActionProgress &progress, ActRecorder &recorder)
{
    const ResultRow &r = m_model.row(row);
    const QString path = r.fullPath();
    progress.showStatus(fileLabelText(path));
    if (!options.sendToTrash)
    {
        progress.addError(ActionError::folderOnlyToTrash(path));
        return;
    }
    if (!options.respondYesToAll &&
        !m_prompter.confirm(tr("Confirm"), tr("Are you sure you want to send \"%1\" to the trash?").arg(r.name),
                            PromptIcon::Question))
    {
        progress.addError(ActionError::unableToDelete(path));
        return;
    }
    FileOpResult result;
    bool proved = false;
    runStep(m_reporter, QStringLiteral("Shell Delete"), [&] {
        const FolderProof::Check check = proof.check(row, [&progress] { progress.yield(); });
        if (const std::optional<ActionError> refusal = FolderProof::refusalOf(check.verdict, path))
            progress.addError(*refusal);
        proved = check.verdict == FolderProof::Verdict::Proceed;
        if (!proved)
            return;
        result = Trash::moveFolderToTrash(check.folder, options.trashFolder);
        if (result.ok())
            recorder.addFolder(check.folder, result.target, check.bytes);
    });
    if (!proved)
        return;
    // A folder changed since its proof is not the folder proved: it stays, whatever changed.
    if (!result.ok() && result.error == FileOpError::Changed)
        progress.addError(ActionError::folderNotListed(path));
    else
        MarkedRowRun::reportFailure(result, path, ActionError::unableToDelete(path), progress);
}
