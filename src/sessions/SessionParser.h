// SPDX-License-Identifier: GPL-3.0-or-later
// Checks a session file line by line, so that a file is taken only when it is whole: every line
// is one that Corvina writes, nothing is cut off, and no field can have shifted.
#pragma once

#include "engine/ScanTypes.h"
#include "search/SearchLocation.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace SessionFile
{
/// What a session header holds.
struct SessionHeader
{
    ScanOptions options;   // fuzzy stays off for a header of seven fields
    qint32 rowCount = 0;   // field 3: the rows the list had when the file was written
    qint32 totalFiles = 0; // fields 4 and 5 count 0 when empty (the panels showed no counts)
    qint32 totalFolders = 0;
    qint32 duplicateCount = 0;
    qint64 duplicateSize = 0;
    bool escaped = false; // field 9 is the escape marker (SessionEscape)
};

/// The file, line by line. A line is checked as a whole before anything of it is passed on:
///  - the header has at least seven fields, each a number of its type; the engine is 1 to 6 and the
///    row count is not negative; a list of similar pictures may give its similarity in field 10;
///  - a location line has exactly six fields, an absolute folder and the icon 15 or 16;
///  - a result line has exactly nine fields: a file name without "/", a size of bytes (digits,
///    within 64 bits), an empty or valid date, an absolute folder ending with "/", and sort keys of
///    digits;
///  - no field holds a NUL, written raw or escaped;
///  - a file with results holds exactly as many result lines as its header announces, and the
///    file ends with a line end.
/// Anything else marks the file as damaged, and damage() says why in words for its user.
class SessionParser
{
public:
    using RowSink = std::function<void(const QStringList &fields)>;

    /// rows gets the nine decoded fields of each result line once the line is checked.
    explicit SessionParser(RowSink rows = {});

    /// The next line, without its line end. False when it shows that the file is damaged; no more
    /// lines are taken after that.
    bool take(const QString &line);

    /// The next line is longer than any session line.
    void tooLong();

    /// The end of the file; lastLineCut: the file ends without a line end. False when the file is
    /// damaged.
    bool finish(bool lastLineCut);

    const SessionHeader &header() const { return m_header; }
    const SearchLocationList &locations() const { return m_locations; }
    /// The result lines read so far.
    qint32 resultLines() const { return m_resultLines; }
    /// What is wrong with the file; empty while nothing is.
    const QString &damage() const { return m_damage; }

private:
    bool readHeader(const QString &line);
    bool readLocation(const QString &line);
    bool readResult(const QString &line);
    QStringList fields(const QString &line, QChar separator) const;
    bool damaged(const QString &what);

    RowSink m_rows;
    SessionHeader m_header;
    SearchLocationList m_locations;
    qint64 m_line = 0;
    qint32 m_resultLines = 0;
    bool m_resultsBegun = false;
    QString m_damage;
};
} // namespace SessionFile
