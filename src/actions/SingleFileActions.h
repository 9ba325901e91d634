// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on the selected row (rename, open, open folder, copy path) and on the marked rows
// (open them all, remove them from the list), and the double-click rule.
#pragma once

#include <QCoreApplication>
#include <QString>

class DesktopActions;
class Prompter;
class ResultModel;

class SingleFileActions
{
    Q_DECLARE_TR_FUNCTIONS(SingleFileActions)

public:
    SingleFileActions(ResultModel &model, Prompter &prompter, DesktopActions &desktop);

    /// Asks for a new name until it is valid or given up; renames the file without ever
    /// replacing another, and then the row.
    void renameFile(int row);
    /// Opens the file with its program; says so when there is none.
    void openFile(int row);
    void openFolder(int row);
    void copyPath(int row);
    /// Opens every marked file, silently.
    void openMarkedFiles();
    /// Removes the marked rows (no file is touched), then the groups left with one row. Returns
    /// the number of rows removed by the first step.
    int removeMarkedFromList(bool zeroSizeListing);

    /// True when a double-click at the pointer position (twips from the list's left edge) opens
    /// the file; at 300 twips or less it is over the mark and toggles it.
    static bool doubleClickOpens(int pointerTwips) { return pointerTwips > 300; }

    /// True when the name holds one of \ / : * ? " < > |.
    static bool hasForbiddenCharacter(const QString &name);
    static QString forbiddenCharactersMessage();

private:
    bool validRow(int row) const;

    ResultModel &m_model;
    Prompter &m_prompter;
    DesktopActions &m_desktop;
};
