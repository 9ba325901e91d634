#include "actions/MoveMarkedRows.h"

#include "actions/ActionProgress.h"
#include "actions/EmptyFolders.h"
#include "actions/RemovalGuard.h"
#include "core/ErrorReport.h"
#include "platform/FileFunctions.h"
#include "platform/FileTransfer.h"
#include "results/ResultModel.h"

MoveMarkedRows::MoveMarkedRows(const ResultModel &model, const RemovalGuard &guard, ErrorReporter &reporter)
    : m_model(model), m_guard(guard), m_reporter(reporter)
{}

bool MoveMarkedRows::run(const std::function<QString()> &destination, bool removeEmptyFolders, ActionProgress &progress)
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
        const bool stepDone = runStep(m_reporter, QStringLiteral("Move Files X"), [&] {
            moveOne(i, destination(), progress);
            progress.setProgressValue(++done);
            folders.QueueFolderCheck(m_model.row(i).path);
        });
        if (!stepDone)
            return false;
    }
    if (removeEmptyFolders)
        RunEmptyFolderPass(folders, progress);
    progress.showStatus(QStringLiteral("Completed"));
    return true;
}

void MoveMarkedRows::moveOne(int row, const QString &destination, ActionProgress &progress)
{
    const QString source = m_model.row(row).fullPath();
    const RemovalGuard::Check check = m_guard.check(row);
    switch (check.verdict)
    {
    case RemovalGuard::Verdict::Gone:
        return;
    case RemovalGuard::Verdict::Changed:
        progress.addError(ActionError::changedSinceSearch(source));
        return;
    case RemovalGuard::Verdict::NoCopyLeft:
        progress.addError(ActionError::noCopyLeft(source));
        return;
    case RemovalGuard::Verdict::Proceed:
        break;
    }
    const FileOpResult result =
        FileTransfer::moveNoClobber(source, destination, &check.status, [&progress] { progress.yield(); });
    // Success is the source having gone.
    if (result.error == FileOpError::Changed && FileFunctions::FileExists(source))
        progress.addError(ActionError::changedSinceSearch(source));
    else if (FileFunctions::FileExists(source))
        progress.addError(ActionError::unableToMove(source));
}
