// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/RemovalGuard.h"

#include "core/ListRules.h"
#include "results/ResultModel.h"
#include "results/RowAnchors.h"

RemovalGuard::RemovalGuard(const ResultModel &model, std::set<qint32> acknowledgedGroups)
    : m_model(model), m_acknowledged(std::move(acknowledgedGroups))
{
    for (int r = 0; r < model.size(); ++r)
        m_groupRows[model.row(r).group].push_back(r);
}

RemovalGuard::Check RemovalGuard::identify(int row) const
{
    Check result;
    std::optional<AnchoredFiles::Location> location = locateRow(m_model, row);
    if (!location)
    {
        result.verdict = Verdict::Untraced;
        return result;
    }
    switch (location->found)
    {
    case AnchoredFiles::Found::Gone:
        result.verdict = Verdict::Gone;
        return result;
    case AnchoredFiles::Found::NotAFile:
        result.verdict = Verdict::Changed;
        return result;
    case AnchoredFiles::Found::FolderChanged:
        result.verdict = Verdict::FolderChanged;
        return result;
    case AnchoredFiles::Found::File:
        break;
    }
    const ResultRow &r = m_model.row(row);
    if (!r.identified())
    {
        // The file is where the row says, but its size or date did not match the row's when the
        // list was made or loaded: it changed since the search.
        result.verdict = r.numbersAreOwn() ? Verdict::Changed : Verdict::Untraced;
        return result;
    }
    const FileStatus &now = location->file.status;
    const bool same = now.device == r.device && now.inode == r.inode && now.size == r.size && now.mtimeNs == r.mtimeNs;
    result.verdict = same ? Verdict::Proceed : Verdict::Changed;
    result.file = std::move(location->file);
    return result;
}

RemovalGuard::Check RemovalGuard::identifyForRemoval(int row) const
{
    if (m_model.row(row).reference)
    {
        Check refused;
        refused.verdict = Verdict::Reference;
        return refused;
    }
    return identify(row);
}

RemovalGuard::Check RemovalGuard::check(int row, const std::function<void()> &pulse, Keeper keeper) const
{
    Check result = identifyForRemoval(row);
    if (result.verdict != Verdict::Proceed)
        return result;
    // The list's own premise, proved on the disk: its header may claim anything.
    const bool empty = result.file.status.size == 0;
    if (m_model.anchors().origin.kind == ListKind::ZeroSize)
    {
        if (!empty)
            result.verdict = Verdict::NotEmpty;
        return result;
    }
    if (empty || m_acknowledged.count(m_model.row(row).group))
        return result;
    findKeptCopy(row, result, pulse, keeper);
    return result;
}

void RemovalGuard::findKeptCopy(int row, Check &result, const std::function<void()> &pulse, Keeper keeper) const
{
    const ResultRow &target = m_model.row(row);
    const ListKind kind = m_model.anchors().origin.kind;
    bool differs = false;      // an unmarked member was there, but not alike by the list's rule
    bool metReference = false; // one was there, but in a reference location, for a hard link
    const auto members = m_groupRows.constFind(target.group);
    if (target.group > 0 && members != m_groupRows.cend())
    {
        for (const int other : *members)
        {
            if (other == row || m_model.isMarked(other))
                continue;
            Check kept = identify(other);
            // A second name of the same file, or the file seen through another mount, is no copy.
            if (kept.verdict != Verdict::Proceed || AnchoredFiles::maybeSameFile(result.file, kept.file))
                continue;
            if (keeper == Keeper::NotReference && m_model.row(other).reference)
            {
                metReference = true;
                continue;
            }
            AnchoredFiles::Comparison comparison = AnchoredFiles::Comparison::Different;
            switch (kind)
            {
            case ListKind::SameContents:
                comparison = AnchoredFiles::compareContents(result.file, kept.file, pulse);
                break;
            case ListKind::SimilarContents:
                if (!ListRules::leftOutOfSimilar(target.name()) &&
                    !ListRules::leftOutOfSimilar(m_model.row(other).name()))
                    comparison = AnchoredFiles::compareBlocks(result.file, kept.file, ListRules::SimilarBlock,
                                                              ListRules::similarEnough, pulse);
                break;
            case ListKind::SameName:
                comparison = ListRules::sameName(target.name(), m_model.row(other).name())
                                 ? AnchoredFiles::Comparison::Same
                                 : AnchoredFiles::Comparison::Different;
                break;
            case ListKind::SimilarPictures:
                // Different files, alike to the eye: the likeness the user chose by is seen again.
                comparison =
                    AnchoredFiles::comparePictures(result.file, kept.file, m_model.anchors().origin.pictureLevel);
                break;
            case ListKind::ZeroSize:
            case ListKind::SameFolders:
                break;
            }
            if (comparison == AnchoredFiles::Comparison::Same)
            {
                result.kept = std::move(kept.file);
                return;
            }
            if (comparison == AnchoredFiles::Comparison::Changed && !AnchoredFiles::unchanged(result.file))
            {
                result.verdict = Verdict::Changed;
                return;
            }
            differs = differs || comparison == AnchoredFiles::Comparison::Different;
        }
    }
    if (differs)
    {
        result.verdict = kind == ListKind::SameName ? Verdict::NameDiffers
                         : kind == ListKind::SimilarContents || kind == ListKind::SimilarPictures
                             ? Verdict::NotSimilar
                             : Verdict::ContentsDiffer;
        return;
    }
    result.verdict = metReference ? Verdict::OnlyReferenceCopy : Verdict::NoCopyLeft;
}
