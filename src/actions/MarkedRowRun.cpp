#include "actions/MarkedRowRun.h"

#include "actions/ActionProgress.h"
#include "core/ErrorReport.h"
#include "platform/FileFunctions.h"
#include "platform/FileOpResult.h"
#include "results/ResultModel.h"

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

bool mayRemove(const RemovalGuard::Check &check, const QString &path, ActionProgress &progress)
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
    case RemovalGuard::Verdict::NoCopyLeft:
        progress.addError(ActionError::noCopyLeft(path));
        return false;
    }
    return false;
}

void reportIfStillThere(const FileOpResult &result, const QString &path, const ActionError &failure,
                        ActionProgress &progress)
{
    if (!FileFunctions::FileExists(path))
        return;
    progress.addError(result.error == FileOpError::Changed ? ActionError::changedSinceSearch(path) : failure);
}
} // namespace MarkedRowRun
