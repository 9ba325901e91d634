// SPDX-License-Identifier: GPL-3.0-or-later
// One row of the result list: a duplicate file with its group, mark and hidden sort keys.
#pragma once

#include "core/CompactText.h"

#include <QSharedData>
#include <QString>

#include <memory>
#include <optional>

class QLocale;

/// Texts of a row read from a session file that its numbers do not reproduce (a hand-edited or
/// foreign file); kept so that saving the row again writes what was read.
struct ResultRowTexts
{
    std::optional<QString> size;      // column 1
    std::optional<QString> modified;  // column 2
    std::optional<QString> sortSize;  // column 6
    std::optional<QString> sortDate;  // column 7
    std::optional<QString> sortGrpno; // column 8
};

/// What few rows carry beyond their numbers: a version text other than none, and texts kept from a
/// session file. Rows with the same version share one.
struct ResultRowExtra : QSharedData
{
    QString version;
    std::shared_ptr<const ResultRowTexts> texts;
};

/// Columns: 0 "File Name", 1 "Size(Bytes)", 2 "Last Modified.", 3 "File Version", 4 "Group",
/// 5 "Path", 6 "sortSize", 7 "sortDate", 8 "sortGrpno", 9 "Ext". Numbers are kept as numbers and
/// written out on demand, so a million rows stay small.
struct ResultRow
{
    enum Column
    {
        ColName = 0,
        ColSize = 1,
        ColModified = 2,
        ColVersion = 3,
        ColGroup = 4,
        ColPath = 5,
        ColSortSize = 6,
        ColSortDate = 7,
        ColSortGrpno = 8,
        ColExt = 9,
        ColumnCount = 10
    };

    QString path;           // column 5: the folder, ending with "/"
    qint64 size = 0;        // column 1; column 6 is it with 12 digits
    qint64 stamp = 0;       // last modified as yyyymmddhhnnss (local time); 0 when unknown
    qint32 group = 0;       // column 4; 0 shows "N/A" (the zero-size listing has no groups)
    qint32 sortGroup = 0;   // column 8 with 11 digits; 0 shows ""
    bool marked = false;    // the mark (icon 17 marked, 18 unmarked)
    bool reference = false; // found in a reference location: never marked, moved or deleted
    bool linked = false;    // replaced with a link to a kept copy of it
    bool kept = false;      // a reference row because the user chose to keep its folder
    // The file as it was when the list was filled or loaded: device, inode and modification time
    // in nanoseconds. Inode 0 when it could not be taken; such a row is never acted on.
    quint64 device = 0;
    quint64 inode = 0;
    qint64 mtimeNs = 0;

    /// The text of column c (0..9) as files store it (sessions, exports).
    QString column(int c) const;
    /// Column 0, the file's name.
    QString name() const { return m_name.toString(); }
    void setName(QStringView name) { m_name = CompactText(name); }
    /// Column 3: the file's version, a picture's dimensions or a folder's file count.
    const QString &version() const;
    void setVersion(const QString &version);
    /// The texts kept from a session file, or null when the numbers write every column back.
    const ResultRowTexts *texts() const { return m_extra ? m_extra->texts.get() : nullptr; }
    /// The text of column c as a window shows it in locale: the size with the locale's digit
    /// grouping and the date in its short format, from the numbers, and "N/A" in the user's
    /// language; a size or date the row keeps a text for (read from a session file, which the
    /// numbers do not reproduce) shows that text. The C locale shows column(c).
    QString displayText(int c, const QLocale &locale) const;
    QString fullPath() const { return path + name(); }
    bool identified() const { return inode != 0; }
    /// The size and date are numbers the row can be checked by: not texts kept as a session file
    /// wrote them, which no file's numbers reproduce.
    bool numbersAreOwn() const;
    /// Sets the date from its "Last Modified." text, keeping the text itself when the date would
    /// not write it back the same.
    void setModified(const QString &text);

    /// A row from the ten column texts (the session reader's way in); numbers that do not
    /// reproduce their text keep the text.
    static ResultRow fromColumns(const QString &name, const QString &size, const QString &modified,
                                 const QString &version, qint32 group, const QString &path, const QString &sortSize,
                                 const QString &sortDate, const QString &sortGrpno);

private:
    void setTexts(std::shared_ptr<const ResultRowTexts> texts);

    // A million rows: the name in 16 bytes, and what few rows have behind one pointer.
    CompactText m_name;
    QExplicitlySharedDataPointer<const ResultRowExtra> m_extra;
};

/// The text after the last "." of a file name, or "" when it has none.
QString fileExtension(const QString &fileName);
