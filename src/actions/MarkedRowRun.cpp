// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/MarkedRowRun.h"

#include "actions/ActionLog.h"
#include "actions/ActionProgress.h"
#include "core/ErrorReport.h"
#include "platform/FileOpResult.h"
#include "results/ResultModel.h"

#include <cerrno>

Q_LOGGING_CATEGORY(lcActions, "corvina.actions", QtWarningMsg)

namespace
{
void refuse(const ActionError &error, ActionProgress &progress)
{
    qCInfo(lcActions) << "left alone:" << error.number << error.description << error.fileName;
    progress.addError(error);
}
} // namespace

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
        refuse(ActionError::changedSinceSearch(path), progress);
        return false;
    case RemovalGuard::Verdict::Untraced:
        refuse(ActionError::untraced(path), progress);
        return false;
    case RemovalGuard::Verdict::Reference:
        refuse(ActionError::inReference(path), progress);
        return false;
    case RemovalGuard::Verdict::FolderChanged:
        refuse(ActionError::folderChanged(path), progress);
        return false;
    case RemovalGuard::Verdict::NoCopyLeft:
        refuse(ActionError::noCopyLeft(path), progress);
        return false;
    case RemovalGuard::Verdict::ContentsDiffer:
        refuse(ActionError::contentsDiffer(path), progress);
        return false;
    }
    return false;
}

void reportFailure(const FileOpResult &result, const QString &path, const ActionError &failure,
                   ActionProgress &progress)
{
    if (result.ok() || (result.error == FileOpError::System && result.errorNumber == ENOENT))
        return;
    qCInfo(lcActions) << "failed:" << path << result.reason();
    progress.addError(result.error == FileOpError::Changed ? ActionError::changedSinceSearch(path) : failure);
}
} // namespace MarkedRowRun
