// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/RemovalGuard.h"

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
        result.verdict = Verdict::Untraced;
        return result;
    }
    const FileStatus &now = location->file.status;
    const bool same = now.device == r.device && now.inode == r.inode && now.size == r.size && now.mtimeNs == r.mtimeNs;
    result.verdict = same ? Verdict::Proceed : Verdict::Changed;
    result.file = std::move(location->file);
    return result;
}

RemovalGuard::Check RemovalGuard::check(int row, const std::function<void()> &pulse) const
{
    if (m_model.row(row).reference)
    {
        Check kept;
        kept.verdict = Verdict::Reference;
        return kept;
    }
    Check result = identify(row);
    const ResultRow &target = m_model.row(row);
    const ListKind kind = m_model.anchors().origin.kind;
    if (result.verdict != Verdict::Proceed || kind == ListKind::ZeroSize || target.size == 0 ||
        m_acknowledged.count(target.group))
        return result;

    bool differs = false;
    const auto members = m_groupRows.constFind(target.group);
    if (target.group > 0 && members != m_groupRows.cend())
    {
        for (const int other : *members)
        {
            if (other == row || m_model.isMarked(other))
                continue;
            Check kept = identify(other);
            // A second name of the same file is no copy of it.
            if (kept.verdict != Verdict::Proceed || (kept.file.status.device == result.file.status.device &&
                                                     kept.file.status.inode == result.file.status.inode))
                continue;
            if (kind != ListKind::SameContents)
            {
                result.kept = std::move(kept.file);
                return result;
            }
            switch (AnchoredFiles::compareContents(result.file, kept.file, pulse))
            {
            case AnchoredFiles::Comparison::Same:
                result.kept = std::move(kept.file);
                return result;
            case AnchoredFiles::Comparison::Different:
                differs = true;
                break;
            case AnchoredFiles::Comparison::Changed:
                if (!AnchoredFiles::unchanged(result.file))
                {
                    result.verdict = Verdict::Changed;
                    return result;
                }
                break;
            case AnchoredFiles::Comparison::Unreadable:
                break;
            }
        }
    }
    result.verdict = differs ? Verdict::ContentsDiffer : Verdict::NoCopyLeft;
    return result;
}
