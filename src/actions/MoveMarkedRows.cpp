// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/MoveMarkedRows.h"

#include "actions/ActJournal.h"
#include "actions/ActionProgress.h"
#include "actions/EmptyFolders.h"
#include "actions/MarkedRowRun.h"
#include "actions/RemovalGuard.h"
#include "actions/StructuredDestination.h"
#include "platform/FileTransfer.h"
#include "results/ResultModel.h"

MoveMarkedRows::MoveMarkedRows(const ResultModel &model, const RemovalGuard &guard, ErrorReporter &reporter)
    : m_model(model), m_guard(guard), m_reporter(reporter)
{}

bool MoveMarkedRows::run(const std::function<QString()> &destination, bool removeEmptyFolders, ActionProgress &progress)
{
    FoldersToCheck folders;
    const StructuredDestination structure(m_model);
    ActRecorder recorder(ActKind::Move);
    const bool finished =
        MarkedRowRun::forEach(m_model, progress, m_reporter, QStringLiteral("Move Files X"), [&](int row) {
            moveOne(row, destination(), structure, progress, recorder);
            folders.queueFolderCheck(m_model.row(row).path);
        });
    recorder.finish();
    if (!finished)
        return false;
    if (removeEmptyFolders)
        runEmptyFolderPass(folders, m_model.anchors(), progress);
    progress.showStatus(tr("Completed"));
    return true;
}

void MoveMarkedRows::moveOne(int row, const QString &destination, const StructuredDestination &structure,
                             ActionProgress &progress, ActRecorder &recorder)
{
    const QString source = m_model.row(row).fullPath();
    const auto pulse = [&progress] { progress.yield(); };
    const RemovalGuard::Check check = m_guard.check(row, pulse);
    if (!MarkedRowRun::mayAct(check, source, progress))
        return;
    const std::optional<QStringList> folders =
        m_keepStructure ? structure.foldersFor(row) : std::optional(QStringList());
    if (!folders)
    {
        progress.addError(ActionError::untraced(source));
        return;
    }
    const FileOpResult result = FileTransfer::moveNoClobber(check.file, {destination, *folders}, pulse);
    if (result.ok())
        recorder.add(check.file, result.target);
    MarkedRowRun::reportFailure(result, source, ActionError::unableToMove(source), progress);
}
