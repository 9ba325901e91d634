#include "actions/MarkedRowRun.h"

#include "actions/ActionProgress.h"
#include "core/ErrorReport.h"
#include "platform/FileOpResult.h"
#include "results/ResultModel.h"

#include <cerrno>

namespace MarkedRowRun
{
bool forEach(const ResultModel &model, ActionProgress &progress, ErrorReporter &reporter, const QString &label,
             const std::function<void(int row)> &act)
{
    int done = 0;
    for (int i = 0; i < model.size(); ++i)
    {
        progress.yield();
        if (progress.cancelRequested())
            break;
        if (!model.isMarked(i))
            continue;
        const bool stepDone = runStep(reporter, label, [&] {
            act(i);
            progress.setProgressValue(++done);
        });
        if (!stepDone)
            return false;
    }
    return true;
}

bool mayAct(const RemovalGuard::Check &check, const QString &path, ActionProgress &progress)
{
    switch (check.verdict)
    {
    case RemovalGuard::Verdict::Proceed:
        return true;
    case RemovalGuard::Verdict::Gone:
        return false;
    case RemovalGuard::Verdict::Changed:
        progress.addError(ActionError::changedSinceSearch(path));
        return false;
    case RemovalGuard::Verdict::Untraced:
        progress.addError(ActionError::untraced(path));
        return false;
    case RemovalGuard::Verdict::Reference:
        progress.addError(ActionError::inReference(path));
        return false;
    case RemovalGuard::Verdict::FolderChanged:
        progress.addError(ActionError::folderChanged(path));
        return false;
    case RemovalGuard::Verdict::NoCopyLeft:
        progress.addError(ActionError::noCopyLeft(path));
        return false;
    case RemovalGuard::Verdict::ContentsDiffer:
        progress.addError(ActionError::contentsDiffer(path));
        return false;
    }
    return false;
}

void reportFailure(const FileOpResult &result, const QString &path, const ActionError &failure,
                   ActionProgress &progress)
{
    if (result.ok() || (result.error == FileOpError::System && result.errorNumber == ENOENT))
        return;
    progress.addError(result.error == FileOpError::Changed ? ActionError::changedSinceSearch(path) : failure);
}
} // namespace MarkedRowRun
