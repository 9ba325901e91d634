#include "actions/ActionDriver.h"

#include "core/ErrorReport.h"
#include "core/Prompter.h"
#include "platform/FileFunctions.h"
#include "results/ResultModel.h"

#include <algorithm>

namespace
{
const QString kNothingMarked = QStringLiteral("No items marked/checked");
}

ActionDriver::ActionDriver(Context context) : m(std::move(context)) {}

void ActionDriver::ProcessMarkedRows(Removal action)
{
    const QString label = QStringLiteral("Delete/Move Files");
    // What the list holds decides, not which engine button is pressed now.
    const bool zeroSize = zeroSizeListing();
    ActionRun run;
    bool answered = true;
    if (!zeroSize && !runStep(m.reporter, label, [&] { answered = protectFullyMarkedGroups(run); }))
        return;
    if (!answered)
        return;

    const qint64 count = m.model.markedCount();
    const qint64 total = zeroSize ? 0 : m.model.markedTotal();
    showStatus(ResultModel::summaryText(count, static_cast<double>(total)));
    if (count == 0)
    {
        m.prompter.error(kNothingMarked);
        return;
    }

    run.markedCount = static_cast<int>(count);
    bool notRun = true;
    if (action == Removal::Delete)
    {
        notRun = m.dialogs.runDeletion(run);
    }
    else
    {
        run.targetPath = m.prompter.pickFolder(QStringLiteral("Move selected files to"), QString(), true);
        if (run.targetPath.isEmpty())
            return;
        notRun = m.dialogs.runMove(run);
    }
    if (notRun)
        return;
    runStep(m.reporter, label, [&] { cleanUpAfterRun(); });
}

void ActionDriver::MCopyMarkFiles_Click()
{
    runStep(m.reporter, QStringLiteral("Copy Files"), [&] {
        const qint64 count = m.model.markedCount();
        if (count == 0)
        {
            m.prompter.error(kNothingMarked);
            return;
        }
        const QString folder = m.prompter.pickFolder(QStringLiteral("Copy selected files to"), QString(), true);
        if (folder.isEmpty())
            return;
        m.dialogs.runCopy({static_cast<int>(count), folder, {}, false});
    });
}

void ActionDriver::showStatus(const QString &text)
{
    if (m.setStatus)
        m.setStatus(text);
}

bool ActionDriver::zeroSizeListing() const
{
    return m.model.anchors().origin.kind == ListKind::ZeroSize;
}

void ActionDriver::ReplaceWithLinks(FileTransfer::LinkKind kind)
{
    const QString label = QStringLiteral("Link Files");
    // Only a copy with the very same bytes can stand in for a file.
    if (m.model.anchors().origin.kind != ListKind::SameContents)
    {
        m.prompter.error(QStringLiteral("Only the identical files that Byte to Byte or CRC32 finds can be replaced "
                                        "with links."));
        return;
    }
    ActionRun run;
    bool answered = true;
    if (!runStep(m.reporter, label, [&] { answered = protectFullyMarkedGroups(run); }))
        return;
    if (!answered)
        return;
    // A group the user chose to give up whole has nothing left to link to.
    run.acknowledgedGroups.clear();
    const qint64 count = m.model.markedCount();
    showStatus(ResultModel::summaryText(count, static_cast<double>(m.model.markedTotal())));
    if (count == 0)
    {
        m.prompter.error(kNothingMarked);
        return;
    }
    run.markedCount = static_cast<int>(count);
    LinkRunResult result;
    if (m.dialogs.runLinks(run, kind, result))
        return;
    runStep(m.reporter, label, [&] {
        for (const LinkedRow &linked : result.linked)
            m.model.setLinked(linked.row, linked.status);
        cleanUpAfterRun();
    });
}

bool ActionDriver::protectFullyMarkedGroups(ActionRun &run)
{
    ResultModel &model = m.model;
    const auto &groupRows = model.GroupRowCount;
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
            switch (m.warning(seen[gi]))
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
    ResultModel &model = m.model;
    const bool zeroSize = zeroSizeListing();
    model.removeRowsIf([](const ResultRow &r) { return r.marked && !FileFunctions::FileExists(r.fullPath()); });
    const qint64 count = model.markedCount();
    const qint64 total = model.markedTotal();
    if (m.processEvents)
        m.processEvents();
    // Groups left with one file are no longer duplicates; the rebuilt bookkeeping and the
    // bands follow the rows that remain. Rows of files that stayed keep their marks.
    model.DropSingleRowGroups(zeroSize);
    showStatus(ResultModel::summaryText(count, static_cast<double>(total)));
}
