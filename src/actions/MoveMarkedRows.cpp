// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/MoveMarkedRows.h"

#include "actions/ActJournal.h"
#include "actions/ActionProgress.h"
#include "actions/EmptyFolders.h"
#include "actions/FolderProof.h"
#include "actions/MarkedRowRun.h"
#include "actions/RemovalGuard.h"
#include "actions/StructuredDestination.h"
#include "platform/FileTransfer.h"
#include "platform/FolderTrees.h"
#include "results/ResultModel.h"

MoveMarkedRows::MoveMarkedRows(const ResultModel &model, const RemovalGuard &guard, ErrorReporter &reporter)
    : m_model(model), m_guard(guard), m_reporter(reporter)
{}

bool MoveMarkedRows::run(const std::function<QString()> &destination, bool removeEmptyFolders, ActionProgress &progress)
{
    FoldersToCheck folders;
    const StructuredDestination structure(m_model);
    ActRecorder recorder(ActKind::Move);
    // A list of whole folders: each marked folder moves whole, after its proof.
    std::optional<FolderProof> proof;
    if (m_model.isFolderList())
        proof.emplace(m_model, m_guard.acknowledgedGroups());
    const bool finished =
        MarkedRowRun::forEach(m_model, progress, m_reporter, QStringLiteral("Move Files X"), [&](int row) {
            if (proof)
            {
                moveFolder(row, *proof, destination(), structure, progress, recorder);
                return;
            }
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

void MoveMarkedRows::moveFolder(int row, const FolderProof &proof, const QString &destination,
                                const StructuredDestination &structure, ActionProgress &progress, ActRecorder &recorder)
{
    const QString source = m_model.row(row).fullPath();
    progress.showStatus(fileLabelText(source));
    const std::optional<QStringList> folders =
        m_keepStructure ? structure.foldersFor(row) : std::optional(QStringList());
    if (!folders)
    {
        progress.addError(ActionError::untraced(source));
        return;
    }
    proof.actOnProved(
        row, m_reporter, QStringLiteral("Move Folder"), progress,
        [&](const FolderProof::Check &check) {
            const FileOpResult result = FolderTrees::moveTree(check.folder, check.survey, {destination, *folders},
                                                              [&progress] { progress.yield(); });
            if (result.ok())
                recorder.addFolder(check.folder, result.target, check.survey.bytes);
            return result;
        },
        ActionError::unableToMove(source));
}
