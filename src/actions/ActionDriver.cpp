// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/ActionDriver.h"

#include "core/ErrorReport.h"
#include "core/Prompter.h"
#include "platform/FileFunctions.h"
#include "results/ResultModel.h"

#include <algorithm>

ActionDriver::ActionDriver(Context context) : m_ctx(std::move(context)) {}

QString ActionDriver::nothingMarked()
{
    return tr("No items marked/checked");
}

QString ActionDriver::folderListText()
{
    return tr("A list of whole folders can be marked, saved and exported, and its marked folders can be sent to the "
              "trash, deleted or moved once each is proved a copy of an unmarked folder of its group; Corvina does "
              "not copy, link or rename them. Search the folders with Byte to Byte to act on their files.");
}

QString ActionDriver::linksNeedIdenticalFilesText()
{
    return tr("Only the identical files that Byte to Byte or CRC32 finds can be replaced with links.");
}

bool ActionDriver::rowStillThere(const ResultModel &model, const ResultRow &row)
{
    const QString path = row.fullPath();
    return model.isFolderList() ? FileFunctions::folderExists(path) : FileFunctions::fileExists(path);
}

bool ActionDriver::refusedFolderList()
{
    if (!m_ctx.model.isFolderList())
        return false;
    m_ctx.prompter.error(folderListText());
    return true;
}

void ActionDriver::processMarkedRows(Removal action)
{
    // The labels name the procedure in an error report, which goes to the developers as it is.
    const QString label = QStringLiteral("Delete/Move Files");
    // What the list holds decides, not which engine button is pressed now.
    const bool zeroSize = zeroSizeListing();
    ActionRun run;
    bool answered = true;
    if (!zeroSize && !runStep(m_ctx.reporter, label, [&] { answered = protectFullyMarkedGroups(run); }))
        return;
    if (!answered)
        return;

    const qint64 count = m_ctx.model.markedCount();
    const qint64 total = zeroSize ? 0 : m_ctx.model.markedTotal();
    showStatus(ResultModel::summaryText(count, static_cast<double>(total)));
    if (count == 0)
    {
        m_ctx.prompter.error(nothingMarked());
        return;
    }

    run.markedCount = static_cast<int>(count);
    bool notRun = true;
    if (action == Removal::Delete)
    {
        notRun = m_ctx.dialogs.runDeletion(run);
    }
    else
    {
        run.targetPath = m_ctx.prompter.pickFolder(tr("Move selected files to"), QString(), true);
        if (run.targetPath.isEmpty())
            return;
        notRun = m_ctx.dialogs.runMove(run);
    }
    if (notRun)
        return;
    runStep(m_ctx.reporter, label, [&] { cleanUpAfterRun(); });
}

void ActionDriver::copyMarkedFiles()
{
    if (refusedFolderList())
        return;
    runStep(m_ctx.reporter, QStringLiteral("Copy Files"), [&] {
        const qint64 count = m_ctx.model.markedCount();
        if (count == 0)
        {
            m_ctx.prompter.error(nothingMarked());
            return;
        }
        const QString folder = m_ctx.prompter.pickFolder(tr("Copy selected files to"), QString(), true);
        if (folder.isEmpty())
            return;
        m_ctx.dialogs.runCopy({static_cast<int>(count), folder, {}, false});
    });
}

void ActionDriver::showStatus(const QString &text)
{
    if (m_ctx.setStatus)
        m_ctx.setStatus(text);
}

bool ActionDriver::zeroSizeListing() const
{
    return m_ctx.model.anchors().origin.kind == ListKind::ZeroSize;
}

void ActionDriver::replaceWithLinks(FileTransfer::LinkKind kind)
{
    if (refusedFolderList())
        return;
    const QString label = QStringLiteral("Link Files");
    // Only a copy with the very same bytes can stand in for a file.
    if (m_ctx.model.anchors().origin.kind != ListKind::SameContents)
    {
        m_ctx.prompter.error(linksNeedIdenticalFilesText());
        return;
    }
    ActionRun run;
    bool answered = true;
    if (!runStep(m_ctx.reporter, label, [&] { answered = protectFullyMarkedGroups(run); }))
        return;
    if (!answered)
        return;
    // A group the user chose to give up whole has nothing left to link to.
    run.acknowledgedGroups.clear();
    const qint64 count = m_ctx.model.markedCount();
    showStatus(ResultModel::summaryText(count, static_cast<double>(m_ctx.model.markedTotal())));
    if (count == 0)
    {
        m_ctx.prompter.error(nothingMarked());
        return;
    }
    run.markedCount = static_cast<int>(count);
    LinkRunResult result;
    if (m_ctx.dialogs.runLinks(run, kind, result))
        return;
    runStep(m_ctx.reporter, label, [&] {
        for (const LinkedRow &linked : result.linked)
            m_ctx.model.setLinked(linked.row, linked.status);
        cleanUpAfterRun();
    });
}

bool ActionDriver::protectFullyMarkedGroups(ActionRun &run)
{
    ResultModel &model = m_ctx.model;
    const auto &groupRows = model.groupRowCounts();
    std::vector<qint32> marked(groupRows.size(), 0);
    // The rows of each group met so far: the warning lists the group's own rows also when a sort
    // has mixed groups.
    std::vector<std::vector<int>> seen(groupRows.size());
    bool keepOneForAll = false;
    bool ignoreWarnings = false;
    for (int i = 0; i < model.size(); ++i)
    {
        const qint32 g = model.row(i).group;
        if (g <= 0 || static_cast<size_t>(g) >= groupRows.size() || groupRows[static_cast<size_t>(g)] <= 0)
            continue; // a group number outside the bookkeeping is passed over
        const auto gi = static_cast<size_t>(g);
        seen[gi].push_back(i);
        if (!model.isMarked(i) || ++marked[gi] != groupRows[gi])
            continue;
        if (!keepOneForAll && !ignoreWarnings)
        {
            switch (m_ctx.warning(seen[gi]))
            {
            case KeepOneChoice::KeepOneOfEach:
                keepOneForAll = true;
                break;
            case KeepOneChoice::IgnoreWarnings:
                ignoreWarnings = run.warningsIgnored = true;
                break;
            case KeepOneChoice::Continue:
                break;
            case KeepOneChoice::Closed:
                return false; // closed without an answer: nothing is done
            }
        }
        if (keepOneForAll)
            model.setMarked(i, false);
        else if (std::all_of(seen[gi].begin(), seen[gi].end(), [&](int r) { return model.isMarked(r); }))
            run.acknowledgedGroups.insert(g);
    }
    return true;
}

void ActionDriver::cleanUpAfterRun()
{
    ResultModel &model = m_ctx.model;
    const bool zeroSize = zeroSizeListing();
    model.removeRowsIf([&model](const ResultRow &r) { return r.marked && !rowStillThere(model, r); });
    const qint64 count = model.markedCount();
    const qint64 total = model.markedTotal();
    if (m_ctx.processEvents)
        m_ctx.processEvents();
    // Groups left with one file are no longer duplicates; the rebuilt bookkeeping and the
    // bands follow the rows that remain. Rows of files that stayed keep their marks.
    model.dropSingleRowGroups(zeroSize);
    showStatus(ResultModel::summaryText(count, static_cast<double>(total)));
}
