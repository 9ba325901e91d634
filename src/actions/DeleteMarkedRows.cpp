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
#include "platform/FolderTrees.h"
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
    // A list of whole folders: each marked folder goes whole, and the folders that hold them are
    // left as they are.
    const bool folderList = m_model.isFolderList();
    std::optional<FolderProof> proof;
    if (folderList)
        proof.emplace(m_model, m_guard.acknowledgedGroups());
    const bool finished =
        MarkedRowRun::forEach(m_model, progress, m_reporter, QStringLiteral("Delete Files X"), [&](int row) {
            if (folderList)
            {
                deleteFolder(row, *proof, options, progress, recorder);
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
                                     ? tr("Are you sure you want to send \"%1\" to the trash?").arg(r.name())
                                     : tr("Are you sure you want to delete \"%1\" permanently?").arg(r.name());
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

void DeleteMarkedRows::deleteFolder(int row, const FolderProof &proof, const DeleteOptions &options,
                                    ActionProgress &progress, ActRecorder &recorder)
{
    const ResultRow &r = m_model.row(row);
    const QString path = r.fullPath();
    progress.showStatus(fileLabelText(path));
    const QString question = options.sendToTrash
                                 ? tr("Are you sure you want to send \"%1\" to the trash?").arg(r.name())
                                 : tr("Are you sure you want to delete \"%1\" permanently?").arg(r.name());
    if (!options.respondYesToAll && !m_prompter.confirm(tr("Confirm"), question, PromptIcon::Question))
    {
        progress.addError(ActionError::unableToDelete(path));
        return;
    }
    proof.actOnProved(
        row, m_reporter, QStringLiteral("Shell Delete"), progress,
        [&](const FolderProof::Check &check) {
            const FileOpResult result = options.sendToTrash
                                            ? Trash::moveFolderToTrash(check.folder, options.trashFolder)
                                            : FolderTrees::removeTree(check.folder, check.survey);
            if (result.ok())
                recorder.addFolder(check.folder, result.target, check.survey.bytes);
            return result;
        },
        ActionError::unableToDelete(path));
}
