// SPDX-License-Identifier: GPL-3.0-or-later
// The window's commands over the journal: Edit > Undo Last Clean-up and Help > What Corvina Did,
// asked and answered through the Prompter.
#pragma once

#include "actions/ActJournal.h"

#include <QCoreApplication>
#include <QString>

class Prompter;

class JournalCommands
{
    Q_DECLARE_TR_FUNCTIONS(JournalCommands)

public:
    /// One line of an act for the user: "12/7/26 6:05 PM  Moved to the trash: 3 files, 12.0 KB".
    static QString actLine(const JournalAct &act);

    /// Asks before undoing the newest act that can be undone, undoes it and shows what came back
    /// (or says there is nothing to undo, or that the journal cannot be read). Returns the text shown
    /// after the undo, for the status bar; empty when nothing was undone.
    static QString undoLastCleanUp(Prompter &prompter, const QString &journalPath = ActJournal::defaultPath());

    /// Shows the acts of the journal, newest first.
    static void showJournal(Prompter &prompter, const QString &journalPath = ActJournal::defaultPath());
};
