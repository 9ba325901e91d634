// SPDX-License-Identifier: GPL-3.0-or-later
// One file found by the walk, the record text built from it, and the order records sort in.
#pragma once

#include "platform/DirectoryListing.h"

#include <QString>
#include <QStringView>

#include <array>

/// Which field leads the record: the size key for the content and zero-size engines, the name
/// for the same-name engine.
enum class RecordOrder
{
    SizeFirst, // size key ? name ? folder ? date
    NameFirst, // name ? size key ? folder ? date
};

/// A file as the walk records it. The fields are kept apart, so a name or folder holding the
/// separator "?" never shifts a field; text() joins them when a text is wanted.
struct FileRecord
{
    qint64 size = 0;             // true 64-bit size; the size key is its 12-digit text
    QString name;                // as the folder listing gives it (reversible text)
    QString folder;              // full folder path ending with "/"
    qint64 mtime = 0;            // last write, seconds since the epoch; the date text is made from it
    DirectoryListing::FileId id; // identity on this machine, to record each file once

    /// "?", the separator of the record text.
    static constexpr char16_t Separator = u'?';

    /// The size as 12 digits with leading zeros (more digits from 10^12 bytes on).
    QString sizeKey() const;
    /// Last write in local time, "m/d/yyyy h:mm:ss AMPM".
    QString date() const;
    /// The four fields in record order, as the record text joins them.
    std::array<QString, 4> fields(RecordOrder order) const;
    /// The four fields joined by "?".
    QString text(RecordOrder order) const;
    QString fullPath() const { return folder + name; }

    bool operator==(const FileRecord &) const = default;
};

/// What the record order reads of a record, wherever the record is kept.
struct RecordView
{
    qint64 size = 0;
    QStringView name;
    QStringView folder;
    qint64 mtime = 0;
};

inline RecordView viewOf(const FileRecord &r)
{
    return {r.size, r.name, r.folder, r.mtime};
}

/// The date text of a last-write time given in seconds since the epoch, in local time.
QString fileDateText(qint64 epochSeconds);
/// The same moment as the number yyyymmddhhnnss (local time), as result rows keep dates.
qint64 fileDateStamp(qint64 epochSeconds);

/// Three-way comparison (-1, 0, 1) of two records in the given order: exactly the comparison of
/// their record texts without regard to case (TextCompare::compareNoCase), except that the size
/// fields of the size-first order compare as numbers, which is the same for every size below
/// 10^12 bytes and keeps larger files in size order too. Date texts are made only when the rest
/// of the texts leaves the comparison to them.
int compareRecords(const RecordView &a, const RecordView &b, RecordOrder order);

/// The first eight units of a record's text from the name on (the size key left out in the
/// size-first order), folded as the comparison folds them, in a pair of numbers whose order is
/// theirs. Two records of equal size (size-first), or any two records (name-first), whose heads are
/// both valid and differ compare as their heads do.
struct RecordHead
{
    quint64 high = 0; // units 1 to 4, 16 bits each
    quint64 low = 0;  // units 5 to 8
    /// False when the text is shorter, or a surrogate comes first.
    bool valid() const { return high != 0; }
    auto operator<=>(const RecordHead &) const = default;
};
RecordHead recordHead(const RecordView &r, RecordOrder order);
inline int compareRecords(const FileRecord &a, const FileRecord &b, RecordOrder order)
{
    return compareRecords(viewOf(a), viewOf(b), order);
}
