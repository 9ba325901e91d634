// SPDX-License-Identifier: GPL-3.0-or-later
// The sentences that say what an act on the marked files will do before it runs, and what it did
// afterwards: counts, bytes, where the files go and whether emptied folders are removed.
#pragma once

#include <QCoreApplication>
#include <QString>

class ResultModel;

class ActionSummary
{
    Q_DECLARE_TR_FUNCTIONS(ActionSummary)

public:
    enum class Act
    {
        Trash,
        DeletePermanently,
        Move,
        Copy,
        HardLink,
        Clone,
    };

    /// What a run did to the marked rows, counted before the list drops the rows of files gone.
    struct Tally
    {
        qint64 files = 0;     // acted on
        qint64 bytes = 0;     // their sizes
        qint64 refused = 0;   // marked, and left in place
        bool folders = false; // the rows are whole folders
    };

    /// Delete and Move: the marked rows whose files are gone, and those still there.
    static Tally goneFiles(const ResultModel &model);

    /// What an act is about to do.
    struct Plan
    {
        Act act = Act::Trash;
        qint64 files = 0;
        qint64 bytes = 0;
        QString destination;             // Move and Copy: the folder ("" while none is given)
        bool removeEmptyFolders = false; // Trash, DeletePermanently and Move
        bool folders = false;            // the rows are whole folders, which leave no folder empty
    };

    /// "2 files, 4.50 KB (4,608 bytes) will be moved to the trash. Folders left empty will be
    /// removed." Numbers in the user's locale.
    static QString willHappen(const Plan &plan);

    /// "3,393 files, 1.20 GB moved to the trash; 2 refused": what a finished run did. refused: the
    /// marked files the run left in place.
    static QString done(Act act, const Tally &tally, const QString &destination = QString());

private:
    static QString filesAndBytes(qint64 files, qint64 bytes, bool exactBytes, bool folders);
};
