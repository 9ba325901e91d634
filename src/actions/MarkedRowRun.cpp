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

std::optional<ActionError> refusalOf(RemovalGuard::Verdict verdict, const QString &path)
{
    switch (verdict)
    {
    case RemovalGuard::Verdict::Proceed:
    case RemovalGuard::Verdict::Gone:
        return std::nullopt;
    case RemovalGuard::Verdict::Changed:
        return ActionError::changedSinceSearch(path);
    case RemovalGuard::Verdict::Untraced:
        return ActionError::untraced(path);
    case RemovalGuard::Verdict::Reference:
        return ActionError::inReference(path);
    case RemovalGuard::Verdict::FolderChanged:
        return ActionError::folderChanged(path);
    case RemovalGuard::Verdict::NoCopyLeft:
        return ActionError::noCopyLeft(path);
    case RemovalGuard::Verdict::ContentsDiffer:
        return ActionError::contentsDiffer(path);
    case RemovalGuard::Verdict::NotEmpty:
        return ActionError::notEmpty(path);
    case RemovalGuard::Verdict::NameDiffers:
        return ActionError::nameDiffers(path);
    case RemovalGuard::Verdict::NotSimilar:
        return ActionError::notSimilar(path);
    case RemovalGuard::Verdict::OnlyReferenceCopy:
        return ActionError::onlyReferenceCopy(path);
    }
    return std::nullopt;
}

bool mayAct(const RemovalGuard::Check &check, const QString &path, ActionProgress &progress)
{
    if (const std::optional<ActionError> refusal = refusalOf(check.verdict, path))
        refuse(*refusal, progress);
    return check.verdict == RemovalGuard::Verdict::Proceed;
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
