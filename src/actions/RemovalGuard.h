// The last look at a file before Corvina deletes or moves it.
#pragma once

#include "platform/FileStatus.h"

#include <QHash>

#include <set>
#include <vector>

class ResultModel;

/// A marked file is deleted or moved only when it is still the file the search saw (same size,
/// and the same modification time where the row knows it) and, unless the user was warned that
/// every file of its group is marked, an unmarked member of its group is still there with its
/// scanned size and is another file (not a second name of the same one). Empty files need no
/// surviving copy: they hold nothing to lose.
class RemovalGuard
{
public:
    enum class Verdict
    {
        Proceed, // act on it; status holds what was checked, for the platform's own last look
        Gone,    // nothing is at the path any more
        Changed, // something else is there now
        NoCopyLeft,
    };

    struct Check
    {
        Verdict verdict = Verdict::Gone;
        FileStatus status;
    };

    /// acknowledgedGroups: groups the user chose to act on wholly after the keep-one warning.
    RemovalGuard(const ResultModel &model, bool zeroSizeListing, std::set<qint32> acknowledgedGroups = {});

    Check check(int row) const;

private:
    const ResultModel &m_model;
    bool m_zeroSizeListing;
    std::set<qint32> m_acknowledged;
    QHash<qint32, std::vector<int>> m_groupRows;
};
