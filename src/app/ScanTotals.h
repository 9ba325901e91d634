// SPDX-License-Identifier: GPL-3.0-or-later
// The totals of the last scan or session load: as status panels 2 to 4 show them, and as session
// files and the HTML report keep them.
#pragma once

#include <QCoreApplication>
#include <QString>

struct ScanSummary;

/// The counts of the last scan or session load, with the texts of status panels 2 to 4 as files
/// keep them: "Duplicate Files: 2  Size: 3.00 KB", "Files : 10", "Folders : 3", or "" while
/// nothing is counted. Session files and the HTML report read numbers back out of those texts, so
/// they stay in English with the engine's number format whatever the user's language; the panels
/// show the same counts in the user's language and number format.
struct ScanTotals
{
    Q_DECLARE_TR_FUNCTIONS(ScanTotals)

public:
    qint32 files = 0;
    qint32 folders = 0;
    qint32 duplicateCount = 0;
    qint64 duplicateSize = 0; // bytes
    QString duplicatesText;
    QString filesText;
    QString foldersText;
    /// False before the first scan or load, when panel 2 reads "Duplicates : 0".
    bool counted = false;
    /// The list holds whole folders: panel 2 counts folders.
    bool wholeFolders = false;
    /// The list holds similar pictures: panel 2 counts pictures that look like another.
    bool pictures = false;

    /// At start-up: zero everywhere, "Files : 0", "Folders : 0", "Duplicates : 0".
    static ScanTotals beforeFirstScan();
    /// The totals and texts a scan ended with.
    static ScanTotals of(const ScanSummary &summary);

    /// What panels 2, 3 and 4 show: "" where the kept text is "", else its counts in the user's
    /// language, the size with the user's decimal separator.
    QString shownDuplicates() const;
    QString shownFiles() const;
    QString shownFolders() const;
};
