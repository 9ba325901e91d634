// SPDX-License-Identifier: GPL-3.0-or-later
// The proof a file must pass immediately before Corvina deletes, moves, links or copies it.
#pragma once

#include "platform/AnchoredFiles.h"

#include <QHash>

#include <functional>
#include <set>
#include <vector>

class ResultModel;

/// A marked file is acted on only when it is the file the search saw (reached from its search
/// location without a link, with the device, inode, size and modification time its row keeps),
/// when it still fits the kind of list it is in (an empty file in the empty-files listing), and,
/// unless the user chose to act on its whole group, when an unmarked member of its group that
/// passes the same check is another file that holds its contents, proved on the disk by the rule
/// of the list: the same bytes for lists of identical files, the same name for a Same Name list,
/// at least half of the blocks equal for a fuzzy list, hashes within the list's level for a
/// list of similar pictures. A file that may be the marked file itself
/// seen through another mount proves nothing. Empty files need no surviving copy: they hold
/// nothing to lose. Nothing a session file says about the list can switch a check off.
class RemovalGuard
{
public:
    enum class Verdict
    {
        Proceed,          // act on `file`
        Gone,             // nothing is at the path any more
        Changed,          // the file is not the one the search saw
        Untraced,         // the row cannot be traced to a search location
        Reference,        // the file is in a reference location
        FolderChanged,    // a folder on the way is not the one the search went through
        NoCopyLeft,       // no unmarked member of the group is there as the search saw it
        ContentsDiffer,   // unmarked members are there, but none holds the same bytes
        NotEmpty,         // the empty-files listing names a file that holds bytes
        NameDiffers,      // Same Name: no unmarked member has the file's name
        NotSimilar,       // fuzzy or pictures: no unmarked member is alike by the list's rule
        OnlyReferenceCopy // a hard link would have to go to a file of a reference location
    };

    struct Check
    {
        Verdict verdict = Verdict::Gone;
        LocatedFile file; // with Proceed: the file, its folder held open
        LocatedFile kept; // with Proceed: the unmarked copy that proved it, when one had to
    };

    /// Which unmarked copies may prove a file.
    enum class Keeper
    {
        AnyUnmarked,  // a delete, a move, a clone: any unmarked member
        NotReference, // a hard link: never a file of a reference location, whose link count stays
    };

    /// acknowledgedGroups: groups the user chose to act on wholly after the keep-one warning.
    RemovalGuard(const ResultModel &model, std::set<qint32> acknowledgedGroups = {});

    /// The whole proof, for a delete, a move or a link; run it after every question to the user,
    /// immediately before the act. pulse is called while files are compared.
    Check check(int row, const std::function<void()> &pulse = {}, Keeper keeper = Keeper::AnyUnmarked) const;
    /// Only that it is the file the search saw, for a copy, a rename, or a look before a question.
    Check identify(int row) const;
    /// identify, refusing a file of a reference location as check does.
    Check identifyForRemoval(int row) const;
    /// The groups the user chose to act on wholly.
    const std::set<qint32> &acknowledgedGroups() const { return m_acknowledged; }

private:
    /// The unmarked member of the group that proves the file of `result`, by the list's rule.
    void findKeptCopy(int row, Check &result, const std::function<void()> &pulse, Keeper keeper) const;

    const ResultModel &m_model;
    std::set<qint32> m_acknowledged;
    QHash<qint32, std::vector<int>> m_groupRows;
};
