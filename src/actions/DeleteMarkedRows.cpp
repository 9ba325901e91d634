#include "actions/DeleteMarkedRows.h"

#include "actions/ActionProgress.h"
#include "actions/EmptyFolders.h"
#include "actions/RemovalGuard.h"
#include "core/ErrorReport.h"
#include "core/Prompter.h"
#include "platform/FileFunctions.h"
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
    int done = 0;
    for (int i = 0; i < m_model.size(); ++i)
    {
        progress.yield();
        if (progress.cancelRequested())
            break;
        if (!m_model.isMarked(i))
            continue;
        const ResultRow &row = m_model.row(i);
        progress.showStatus(FileLabelText(row.fullPath()));
        const bool stepDone = runStep(m_reporter, QStringLiteral("Delete Files X"), [&] {
            deleteOne(i, options, progress);
            progress.setProgressValue(++done);
            folders.QueueFolderCheck(row.path);
        });
        if (!stepDone)
            return false;
    }
    if (options.removeEmptyFolders)
        RunEmptyFolderPass(folders, progress);
    progress.showStatus(QStringLiteral("Completed"));
    return true;
}

void DeleteMarkedRows::deleteOne(int row, const DeleteOptions &options, ActionProgress &progress)
{
    const ResultRow &r = m_model.row(row);
    const QString path = r.fullPath();
    const RemovalGuard::Check check = m_guard.check(row);
    switch (check.verdict)
    {
    case RemovalGuard::Verdict::Gone:
        return;
    case RemovalGuard::Verdict::Changed:
        progress.addError(ActionError::changedSinceSearch(path));
        return;
    case RemovalGuard::Verdict::NoCopyLeft:
        progress.addError(ActionError::noCopyLeft(path));
        return;
    case RemovalGuard::Verdict::Proceed:
        break;
    }

    bool confirmed = true;
    if (!options.respondYesToAll)
    {
        const QString question =
            options.sendToTrash ? QStringLiteral("Are you sure you want to send \"%1\" to the trash?").arg(r.name)
                                : QStringLiteral("Are you sure you want to delete \"%1\" permanently?").arg(r.name);
        confirmed = m_prompter.confirm(QStringLiteral("Confirm"), question, PromptIcon::Question);
    }
    FileOpResult result;
    if (confirmed)
    {
        runStep(m_reporter, QStringLiteral("Shell Delete"), [&] {
            result = options.sendToTrash ? Trash::moveToTrash(path, &check.status, options.trashFolder)
                                         : FileTransfer::deleteForGood(path, &check.status);
        });
    }
    // As with any deletion here, a file still there is what counts as a failure.
    if (result.error == FileOpError::Changed && FileFunctions::FileExists(path))
        progress.addError(ActionError::changedSinceSearch(path));
    else if (FileFunctions::FileExists(path))
        progress.addError(ActionError::unableToDelete(path));
}
