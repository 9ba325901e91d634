// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/CopyMarkedRows.h"

#include "actions/ActJournal.h"
#include "actions/ActionProgress.h"
#include "actions/MarkedRowRun.h"
#include "actions/RemovalGuard.h"
#include "actions/StructuredDestination.h"
#include "platform/FileTransfer.h"
#include "results/ResultModel.h"

CopyMarkedRows::CopyMarkedRows(const ResultModel &model, const RemovalGuard &guard, ErrorReporter &reporter)
    : m_model(model), m_guard(guard), m_reporter(reporter)
{}

bool CopyMarkedRows::run(const std::function<QString()> &destination, ActionProgress &progress)
{
    const StructuredDestination structure(m_model);
    ActRecorder recorder(ActKind::Copy);
    return MarkedRowRun::forEach(m_model, progress, m_reporter, QStringLiteral("Copy Files X"), [&](int row) {
        const QString source = m_model.row(row).fullPath();
        const RemovalGuard::Check check = m_guard.identify(row);
        if (check.verdict == RemovalGuard::Verdict::Gone)
            progress.addError(ActionError::unableToCopy(source));
        if (!MarkedRowRun::mayAct(check, source, progress))
            return;
        const std::optional<QStringList> folders =
            m_keepStructure ? structure.foldersFor(row) : std::optional(QStringList());
        if (!folders)
        {
            progress.addError(ActionError::untraced(source));
            return;
        }
        const FileOpResult result =
            FileTransfer::copyNoClobber(check.file, {destination(), *folders}, [&progress] { progress.yield(); });
        if (result.ok())
            recorder.add(check.file, result.target);
        else
            progress.addError(result.error == FileOpError::Changed ? ActionError::changedSinceSearch(source)
                                                                   : ActionError::unableToCopy(source));
    });
}
