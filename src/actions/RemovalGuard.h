// SPDX-License-Identifier: GPL-3.0-or-later
// The proof a file must pass immediately before Corvina deletes, moves or copies it.
#pragma once

#include "platform/AnchoredFiles.h"

#include <QHash>

#include <functional>
#include <set>
#include <vector>

class ResultModel;

/// A marked file is acted on only when it is the file the search saw (reached from its search
/// location without a link, with the device, inode, size and modification time its row keeps)
/// and, unless the user chose to act on its whole group, an unmarked member of its group that
/// passes the same check is another file that holds its contents: the same bytes for lists
/// whose files are meant to be identical, for name and fuzzy lists the member unchanged since
/// the search. Empty files need no surviving copy: they hold nothing to lose.
class RemovalGuard
{
public:
    enum class Verdict
    {
        Proceed,       // act on `file`
        Gone,          // nothing is at the path any more
        Changed,       // the file is not the one the search saw
        Untraced,      // the row cannot be traced to a search location
        Reference,     // the file is in a reference location
        FolderChanged, // a folder on the way is not the one the search went through
        NoCopyLeft,    // no unmarked member of the group is there as the search saw it
        ContentsDiffer // unmarked members are there, but none holds the same bytes
    };

    struct Check
    {
        Verdict verdict = Verdict::Gone;
        LocatedFile file; // with Proceed: the file, its folder held open
        LocatedFile kept; // with Proceed: the unmarked copy that proved it, when one had to
    };

    /// acknowledgedGroups: groups the user chose to act on wholly after the keep-one warning.
    RemovalGuard(const ResultModel &model, std::set<qint32> acknowledgedGroups = {});

    /// The whole proof, for a delete or a move. pulse is called while files are compared.
    Check check(int row, const std::function<void()> &pulse = {}) const;
    /// Only that it is the file the search saw, for a copy.
    Check identify(int row) const;

private:
    const ResultModel &m_model;
    std::set<qint32> m_acknowledged;
    QHash<qint32, std::vector<int>> m_groupRows;
};
