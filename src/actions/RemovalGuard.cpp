#include "actions/RemovalGuard.h"

#include "results/ResultModel.h"

RemovalGuard::RemovalGuard(const ResultModel &model, bool zeroSizeListing, std::set<qint32> acknowledgedGroups)
    : m_model(model), m_zeroSizeListing(zeroSizeListing), m_acknowledged(std::move(acknowledgedGroups))
{
    for (int r = 0; r < model.size(); ++r)
        m_groupRows[model.row(r).group].push_back(r);
}

RemovalGuard::Check RemovalGuard::check(int row) const
{
    const ResultRow &target = m_model.row(row);
    Check result;
    result.status = statFile(target.fullPath());
    if (!result.status.present)
        return result;
    if (!result.status.exists || result.status.size != target.size ||
        (target.stamp != 0 && result.status.stamp != target.stamp))
    {
        result.verdict = Verdict::Changed;
        return result;
    }
    result.verdict = Verdict::Proceed;
    if (m_zeroSizeListing || target.size == 0 || m_acknowledged.count(target.group))
        return result;

    const auto members = m_groupRows.constFind(target.group);
    if (target.group > 0 && members != m_groupRows.cend())
    {
        for (const int other : *members)
        {
            if (other == row || m_model.isMarked(other))
                continue;
            const ResultRow &copy = m_model.row(other);
            const FileStatus s = statFile(copy.fullPath());
            const bool sameFile = s.device == result.status.device && s.inode == result.status.inode;
            if (s.exists && s.size == copy.size && !sameFile)
                return result;
        }
    }
    result.verdict = Verdict::NoCopyLeft;
    return result;
}
