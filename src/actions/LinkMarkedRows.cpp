// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/LinkMarkedRows.h"

#include "actions/ActionProgress.h"
#include "actions/MarkedRowRun.h"
#include "actions/RemovalGuard.h"
#include "core/ShownSize.h"
#include "results/ResultModel.h"

LinkMarkedRows::LinkMarkedRows(const ResultModel &model, const RemovalGuard &guard, ErrorReporter &reporter)
    : m_model(model), m_guard(guard), m_reporter(reporter)
{}

bool LinkMarkedRows::run(FileTransfer::LinkKind kind, ActionProgress &progress, LinkRunResult &result)
{
    const bool finished =
        MarkedRowRun::forEach(m_model, progress, m_reporter, QStringLiteral("Link Files X"), [&](int row) {
            const QString path = m_model.row(row).fullPath();
            progress.showStatus(fileLabelText(path));
            // A hard link changes the link count and status time of the file it goes to: never an
            // original of a reference location.
            const RemovalGuard::Check check = m_guard.check(
                row, [&progress] { progress.yield(); },
                kind == FileTransfer::LinkKind::Hard ? RemovalGuard::Keeper::NotReference
                                                     : RemovalGuard::Keeper::AnyUnmarked);
            if (!MarkedRowRun::mayAct(check, path, progress))
                return;
            // Empty files, and groups the user chose to lose whole, have no copy to link to.
            if (!check.kept.folder.valid())
            {
                progress.addError(ActionError::noCopyLeft(path));
                return;
            }
            const FileTransfer::LinkOutcome outcome = FileTransfer::replaceWithLink(check.file, check.kept, kind);
            switch (outcome.result.error)
            {
            case FileOpError::None:
                result.linked.push_back({row, outcome.status});
                result.freed += check.file.status.size;
                return;
            case FileOpError::Changed:
                progress.addError(ActionError::changedSinceSearch(path));
                return;
            case FileOpError::OtherFileSystem:
                progress.addError(ActionError::otherFileSystem(path));
                return;
            case FileOpError::NoClones:
                progress.addError(ActionError::noClones(path));
                return;
            case FileOpError::OwnersDiffer:
                progress.addError(ActionError::ownersDiffer(path));
                return;
            case FileOpError::OwnersNotKept:
                progress.addError(ActionError::ownersNotKept(path));
                return;
            default:
                progress.addError(ActionError::unableToLink(path));
            }
        });
    if (finished)
        progress.showStatus(
            tr("Completed: %n files replaced, %1 freed", nullptr, static_cast<int>(result.linked.size()))
                .arg(ShownSize::text(static_cast<double>(result.freed))));
    return finished;
}
