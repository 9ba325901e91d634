// SPDX-License-Identifier: GPL-3.0-or-later
// "Undo Last Clean-up": the newest act of the journal that can still be undone, undone file by
// file with the same care as the act itself.
#pragma once

#include "actions/ActJournal.h"
#include "actions/ActionError.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct UndoReport
{
    QString problem;                // why nothing was tried (a damaged journal, nothing to undo)
    bool journalUnreadable = false; // the problem is the journal itself
    std::optional<JournalAct> act;  // the act undone, as the journal held it
    QStringList restored;           // the files back at their place (a copy: the copies removed)
    QStringList gone;               // the files the trash or the destination no longer holds
    std::vector<ActionError> refused;
    QString journalProblem; // the journal could not record the undo

    /// Some sentences for the user: what came back, what is gone, how many were refused.
    QString summary() const;
};

class UndoLastAct
{
    Q_DECLARE_TR_FUNCTIONS(UndoLastAct)

public:
    /// The act an undo would take on: the newest that moved to the trash, moved or copied files
    /// and is not undone yet; none when there is none (or the journal cannot be read).
    static std::optional<JournalAct> pending(const QString &journalPath = ActJournal::defaultPath());

    /// Undoes that act: each file Corvina moved to the trash or into a folder goes back to its
    /// own place and name, never over a file that is there now; each copy is removed only when it
    /// still holds its original's bytes. A file is touched only while it is the very file the
    /// journal recorded. The journal then records which files are settled, so that an undo never
    /// repeats: one refused because its name is taken is tried again by the next undo; every
    /// other file is not.
    static UndoReport run(const QString &journalPath = ActJournal::defaultPath());
};
