// SPDX-License-Identifier: GPL-3.0-or-later
// The search setup a session file keeps, and what loading one reports back to the main window.
#pragma once

#include "engine/ScanTypes.h"
#include "search/SearchLocation.h"

#include <QString>

/// The main window's state as session files write and read it; the result rows travel beside it
/// in the ResultModel. The window maps its controls onto this: options.engine = the engine option
/// selected (1..6, top to bottom), options.protect/includeHidden/fuzzy = the "Protect System
/// Folders", "Include Hidden Folders and Files" and "Use Fuzzy Logic" check boxes, options.similarity
/// = the "Similarity:" box; locations = the location list top to bottom.
struct SessionState
{
    ScanOptions options;
    SearchLocationList locations;
    QString filesPanel;   // status panel 3 as files keep it, in English ("Files : 1200", or "")
    QString foldersPanel; // status panel 4 as files keep it, in English ("Folders : 80", or "")
    qint32 duplicateCount = 0;
    qint64 duplicateSize = 0; // bytes

    /// What New Session sets: byte to byte, protection on, hidden files and fuzzy off, no
    /// locations. The counters and panels stay as they are.
    void resetToNew();
};

/// The five status-bar panels as a load leaves them: panel 1 in the user's language, panels 2 to
/// 4 in the English form files keep (StatusTexts), which a window shows from their counts.
struct SessionStatusTexts
{
    QString panel1, panel2, panel3, panel4, panel5;
    bool panel2Visible = false;
    bool panel3Visible = false;
    bool panel4Visible = false;

    /// The panels after New Session: only panel 1 with its prompt and panel 5 with "00:00:00".
    static SessionStatusTexts newSession();
};

/// How the reading of a session file ended.
struct SessionRead
{
    enum class Ending
    {
        ReadToEnd, // every line read, and the file is whole
        Missing,   // no file at the path
        Damaged,   // the file is not whole or not a session file; damage says why
        Aborted,   // the error report ended the reading, or the user cancelled it
    };

    Ending ending = Ending::Missing;
    QString damage; // for Damaged: what is wrong, in words for the user

    /// The file was taken; on every other ending nothing was changed.
    bool whole() const { return ending == Ending::ReadToEnd; }
};

/// What openCorvinaFile reports besides the state, the model and the counters it changed.
struct SessionLoadReport : SessionRead
{
    bool result = false; // the routine's answer: true when the file was read whole
    qint32 totalFiles = 0;
    qint32 totalFolders = 0;
    bool cancelSearch = false;
    qint32 resultLines = 0; // result lines read
    bool rescanned = false; // the saved rows were compared again
    /// The marking menus: true shows "Mark All" and hides "Mark All Duplicates", "Advance Marking"
    /// and the separator before the duplicate entries (the zero-size engine); false the reverse.
    bool zeroSizeMenus = false;
    /// The tags of the protect and fuzzy check boxes when the load ends. The reader sets the check boxes
    /// "ThruFile" and restores "Direct" on every ending, so a click afterwards questions the user
    /// again (in Qt: set the boxes with setChecked(), which emits no clicked()).
    QString protectTag = QStringLiteral("Direct");
    QString fuzzyTag = QStringLiteral("Direct");
    SessionStatusTexts status;
};
