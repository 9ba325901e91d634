// SPDX-License-Identifier: GPL-3.0-or-later
// The proof a marked folder of a list of duplicate folders must pass immediately before Corvina
// moves it to the trash or elsewhere, or deletes it for good.
#pragma once

#include "actions/ActionError.h"
#include "platform/FolderTrees.h"

#include <QHash>

#include <functional>
#include <optional>
#include <set>
#include <vector>

class ActionProgress;
class ErrorReporter;
class ResultModel;

/// A marked folder goes only when it is still the folder the search listed (reached from its
/// search location without a link, holding the row's count of files and bytes, nothing but
/// regular files and folders) and, unless the user chose to act on its whole group, when an
/// unmarked folder of its group (a reference folder too: it holds the originals) holds exactly
/// the same names, kinds and bytes, in files that are its own (a hard link or another mount of
/// the same file is no copy). A folder with nothing unique is in no group: it goes only when each
/// of its files has, outside it, the copy the search found, still holding the same bytes in a
/// file of its own. Each folder is proved at its own act, so a copy in a folder that went before
/// it in the same run counts no more.
class FolderProof
{
public:
    enum class Verdict
    {
        Proceed,        // act on `folder`
        Gone,           // nothing is at the path any more
        NotInGroup,     // a folder with nothing unique: no copy of it is in the list
        Reference,      // the folder is, or holds, a reference location
        Untraced,       // the row cannot be traced to a search location
        FolderChanged,  // a folder on the way is not the one the search went through
        NotListed,      // another count of files or bytes, or not a folder at the name now
        NotPlain,       // an entry that is not a regular file or a folder
        Unreadable,     // the tree cannot be read whole
        NoCopyLeft,     // no unmarked folder of the group is there
        ContentsDiffer, // unmarked folders are there, but none is a copy
        CopiesGone,     // nothing unique: a file's copy outside it is gone, changed or its own
    };

    struct Check
    {
        Verdict verdict = Verdict::Gone;
        FolderTrees::LocatedFolder folder; // with Proceed: the folder, its parent held open
        FolderTrees::Survey survey;        // with Proceed: its tree as proved
    };

    /// acknowledgedGroups: groups the user chose to act on wholly after the keep-one warning.
    explicit FolderProof(const ResultModel &model, std::set<qint32> acknowledgedGroups = {});

    /// The whole proof of the folder of `row`; run it after every question to the user,
    /// immediately before the act. pulse is called while files are compared.
    Check check(int row, const std::function<void()> &pulse = {}) const;

    /// The error row for a verdict that refuses the act; none for Proceed and Gone.
    static std::optional<ActionError> refusalOf(Verdict verdict, const QString &path);

    /// Proves the folder of `row` inside the error report's step `step` (so that Retry proves
    /// again) and, when it passes, hands it to `act`. A refusal becomes the folder's error row; so
    /// does a failure of the act: as not the folder listed when it changed since its proof, else
    /// as `failure`.
    void actOnProved(int row, ErrorReporter &reporter, const QString &step, ActionProgress &progress,
                     const std::function<FileOpResult(const Check &)> &act, const ActionError &failure) const;

private:
    Verdict locate(int row, FolderTrees::LocatedFolder &folder) const;

    const ResultModel &m_model;
    std::set<qint32> m_acknowledged;
    QHash<qint32, std::vector<int>> m_groupRows;
};
