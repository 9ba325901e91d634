// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/FolderProof.h"

#include "actions/ActionProgress.h"
#include "actions/MarkedRowRun.h"
#include "core/ErrorReport.h"
#include "platform/FileOpResult.h"
#include "results/ResultModel.h"

#include <algorithm>

FolderProof::FolderProof(const ResultModel &model, std::set<qint32> acknowledgedGroups)
    : m_model(model), m_acknowledged(std::move(acknowledgedGroups))
{
    for (int i = 0; i < model.size(); ++i)
    {
        if (model.row(i).group > 0)
            m_groupRows[model.row(i).group].push_back(i);
    }
}

FolderProof::Verdict FolderProof::locate(int row, FolderTrees::LocatedFolder &folder) const
{
    const ResultRow &r = m_model.row(row);
    const RowAnchors &anchors = m_model.anchors();
    const RowAnchors::Folder *parent = anchors.folder(r.path);
    AnchoredFiles::Location found;
    if (parent)
    {
        const SearchRoot &root = anchors.roots[static_cast<size_t>(parent->root)];
        found = FolderTrees::locate(root, QStringView(r.path).mid(root.folder.size()), parent->id, r.name());
    }
    else
    {
        // A search location listed whole: it is found from its own identity, in its parent.
        const QString self = r.fullPath() + u'/';
        const auto root = std::find_if(anchors.roots.begin(), anchors.roots.end(),
                                       [&](const SearchRoot &s) { return s.folder == self; });
        if (root == anchors.roots.end())
            return Verdict::Untraced;
        found = FolderTrees::locateRoot(*root);
    }
    switch (found.found)
    {
    case AnchoredFiles::Found::File:
        folder = std::move(found.file);
        return Verdict::Proceed;
    case AnchoredFiles::Found::Gone:
        return Verdict::Gone;
    case AnchoredFiles::Found::NotAFile:
        return Verdict::NotListed;
    case AnchoredFiles::Found::FolderChanged:
        break;
    }
    return Verdict::FolderChanged;
}

FolderProof::Check FolderProof::check(int row, const std::function<void()> &pulse) const
{
    Check result;
    const ResultRow &r = m_model.row(row);
    // A folder with nothing unique is proved by the copies of its files that the search found
    // outside it; a list read from a session does not hold them.
    const QHash<QString, QString> *outside = r.group <= 0 ? m_model.copiesOutside(r.fullPath()) : nullptr;
    if (r.group <= 0 && !outside)
    {
        result.verdict = Verdict::NotInGroup;
        return result;
    }
    if (r.reference)
    {
        result.verdict = Verdict::Reference;
        return result;
    }
    result.verdict = locate(row, result.folder);
    if (result.verdict != Verdict::Proceed)
        return result;

    // Still the folder listed: its own tree, counted now, against what its row says.
    result.survey = FolderTrees::survey(result.folder);
    const FolderTrees::Survey &survey = result.survey;
    bool counted = false;
    const qint64 files = r.version().toLongLong(&counted);
    if (!survey.readable)
        result.verdict = FolderTrees::unchanged(result.folder) ? Verdict::Unreadable : Verdict::NotListed;
    else if (!survey.plain)
        result.verdict = Verdict::NotPlain;
    else if (!counted || survey.files != files || survey.bytes != r.size)
        result.verdict = Verdict::NotListed;
    if (result.verdict != Verdict::Proceed)
        return result;
    if (outside)
    {
        const FolderTrees::Comparison c = FolderTrees::compareWithCopies(
            result.folder, survey, [outside](const QString &relative) { return outside->value(relative); }, pulse);
        if (c == FolderTrees::Comparison::Changed && !FolderTrees::unchanged(result.folder))
            result.verdict = Verdict::NotListed;
        else if (c != FolderTrees::Comparison::Same)
            result.verdict = Verdict::CopiesGone;
        return result;
    }
    if (m_acknowledged.count(r.group) != 0)
        return result;

    bool differs = false;
    for (const int other : m_groupRows.value(r.group))
    {
        const ResultRow &twin = m_model.row(other);
        if (other == row || twin.marked)
            continue;
        FolderTrees::LocatedFolder copy;
        if (locate(other, copy) != Verdict::Proceed)
            continue;
        const FolderTrees::Comparison c = FolderTrees::compare(result.folder, copy, pulse);
        if (c == FolderTrees::Comparison::Same)
            return result;
        if (c == FolderTrees::Comparison::Changed && !FolderTrees::unchanged(result.folder))
        {
            result.verdict = Verdict::NotListed;
            return result;
        }
        differs = true;
    }
    result.verdict = differs ? Verdict::ContentsDiffer : Verdict::NoCopyLeft;
    return result;
}

void FolderProof::actOnProved(int row, ErrorReporter &reporter, const QString &step, ActionProgress &progress,
                              const std::function<FileOpResult(const Check &)> &act, const ActionError &failure) const
{
    const QString path = m_model.row(row).fullPath();
    FileOpResult result;
    bool proved = false;
    runStep(reporter, step, [&] {
        const Check proof = check(row, [&progress] { progress.yield(); });
        if (const std::optional<ActionError> refusal = refusalOf(proof.verdict, path))
            progress.addError(*refusal);
        proved = proof.verdict == Verdict::Proceed;
        if (proved)
            result = act(proof);
    });
    if (!proved)
        return;
    // A folder changed since its proof is not the folder proved: what is left of it stays.
    if (!result.ok() && result.error == FileOpError::Changed)
        progress.addError(ActionError::folderNotListed(path));
    else
        MarkedRowRun::reportFailure(result, path, failure, progress);
}

std::optional<ActionError> FolderProof::refusalOf(Verdict verdict, const QString &path)
{
    switch (verdict)
    {
    case Verdict::Proceed:
    case Verdict::Gone:
        return std::nullopt;
    case Verdict::NotInGroup:
        return ActionError::folderNotInGroup(path);
    case Verdict::Reference:
        return ActionError::inReference(path);
    case Verdict::Untraced:
        return ActionError::untraced(path);
    case Verdict::FolderChanged:
        return ActionError::folderChanged(path);
    case Verdict::NotListed:
        return ActionError::folderNotListed(path);
    case Verdict::NotPlain:
        return ActionError::folderNotPlain(path);
    case Verdict::Unreadable:
        return ActionError::unableToDelete(path);
    case Verdict::NoCopyLeft:
        return ActionError::noFolderCopyLeft(path);
    case Verdict::ContentsDiffer:
        return ActionError::folderContentsDiffer(path);
    case Verdict::CopiesGone:
        return ActionError::folderCopiesGone(path);
    }
    return std::nullopt;
}
