// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessions/SessionParser.h"

#include "core/TextFormat.h"
#include "sessions/SessionEscape.h"
#include "sessions/SessionNumbers.h"

#include <QCoreApplication>

#include <limits>

namespace
{
// The texts of this file for translators: what is wrong with a damaged session file.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(SessionParser)
};

// A field as a message quotes it: long texts are cut, so that a foreign file cannot fill the box.
QString quoted(const QString &text)
{
    constexpr qsizetype Longest = 60;
    return u'"' + (text.size() > Longest ? text.left(Longest - 3) + QStringLiteral("...") : text) + u'"';
}

bool allDigits(QStringView text)
{
    for (const QChar c : text)
    {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// A byte count as Corvina writes it: digits only, within 64 bits.
bool isByteCount(const QString &text)
{
    if (text.isEmpty() || !allDigits(text))
        return false;
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    return ok && value <= static_cast<qulonglong>(std::numeric_limits<qint64>::max());
}

// Reads the header's fields after the engine into h (the engine is read apart); returns the index
// of the first field that is not a number of its kind, or -1 when every one is.
int readHeaderNumbers(const QStringList &f, SessionFile::SessionHeader &h)
{
    // The counts of files and folders are empty when the panels showed none as the file was written.
    const auto count = [](const QString &field) {
        return field.trimmed().isEmpty() ? std::optional<qint32>(0) : SessionNumbers::toLong(field);
    };
    const auto protect = SessionNumbers::toInteger(f[1]);
    if (!protect)
        return 1;
    const auto hidden = SessionNumbers::toInteger(f[2]);
    if (!hidden)
        return 2;
    const auto rows = SessionNumbers::toLong(f[3]);
    if (!rows || *rows < 0)
        return 3;
    const auto files = count(f[4]);
    if (!files)
        return 4;
    const auto folders = count(f[5]);
    if (!folders)
        return 5;
    const auto duplicates = SessionNumbers::toLong(f[6]);
    if (!duplicates)
        return 6;
    // A header of seven fields is read as well: no size total, fuzzy off.
    std::optional<qint64> size = 0;
    if (f.size() > 7)
        size = SessionNumbers::toCurrency(f[7]);
    if (!size)
        return 7;
    std::optional<qint16> fuzzy = 0;
    if (f.size() > 8)
        fuzzy = SessionNumbers::toInteger(f[8]);
    if (!fuzzy)
        return 8;
    // Check-box values other than 0 count as checked.
    h.options.protect = *protect != 0;
    h.options.includeHidden = *hidden != 0;
    h.options.fuzzy = *fuzzy != 0;
    h.rowCount = *rows;
    h.totalFiles = *files;
    h.totalFolders = *folders;
    h.duplicateCount = *duplicates;
    h.duplicateSize = *size;
    return -1;
}

bool holdsNul(const QString &text)
{
    return text.contains(QChar(u'\0'));
}

// An absolute path; folders of result rows also end with "/".
bool isAbsolute(const QString &path)
{
    return path.startsWith(u'/');
}
} // namespace

namespace SessionFile
{
SessionParser::SessionParser(RowSink rows) : m_rows(std::move(rows)) {}

bool SessionParser::damaged(const QString &what)
{
    m_damage = what;
    return false;
}

QStringList SessionParser::fields(const QString &line, QChar separator) const
{
    QStringList f = line.split(separator);
    if (m_header.escaped)
    {
        for (QString &field : f)
            field = SessionEscape::decode(field);
    }
    return f;
}

bool SessionParser::take(const QString &line)
{
    if (!m_damage.isEmpty())
        return false;
    ++m_line;
    // A NUL ends every name the system takes, so a row holding one would act on a shorter name.
    if (holdsNul(line))
        return damaged(Tr::tr("Line %1 holds a NUL character, which no file name can hold.").arg(m_line));
    if (m_line == 1)
        return readHeader(line);
    if (!m_resultsBegun && line.startsWith(u';'))
    {
        m_resultsBegun = true;
        return readResult(line.mid(1));
    }
    return m_resultsBegun ? readResult(line) : readLocation(line);
}

void SessionParser::tooLong()
{
    damaged(Tr::tr("Line %1 is longer than any line of a session file.").arg(m_line + 1));
}

bool SessionParser::finish(bool lastLineCut)
{
    if (!m_damage.isEmpty())
        return false;
    if (m_line == 0)
        return damaged(Tr::tr("The file is empty."));
    if (lastLineCut)
        return damaged(Tr::tr("The file ends in the middle of line %1: it was cut off.").arg(m_line));
    // A file saved without results has no result line, whatever its header counts.
    if (m_resultsBegun && m_resultLines != m_header.rowCount)
        return damaged(Tr::tr("The header announces %1 result rows, but the file holds %2.")
                           .arg(m_header.rowCount)
                           .arg(m_resultLines));
    return true;
}

bool SessionParser::readHeader(const QString &line)
{
    // Header fields are numbers and never escaped.
    const QStringList f = line.split(u',');
    if (f.size() < 7)
        return damaged(Tr::tr("Line 1 is not a session header: it has %1 of the at least 7 fields.")
                           .arg(line.isEmpty() ? 0 : f.size()));
    const auto notANumber = [this, &f](int i) {
        return damaged(
            Tr::tr("Line 1: field %1 of the header, %2, is not a number of its kind.").arg(i + 1).arg(quoted(f[i])));
    };
    const auto engine = SessionNumbers::toInteger(f[0]);
    if (!engine)
        return notANumber(0);
    if (*engine < ScanOptions::ByteToByte || *engine > ScanOptions::Pictures)
        return damaged(Tr::tr("Line 1: the search engine %1 is not one of 1 to 6.").arg(quoted(f[0])));
    SessionHeader h;
    if (const int wrong = readHeaderNumbers(f, h); wrong >= 0)
        return notANumber(wrong);
    h.options.engine = *engine;
    // Later versions may write more fields; only fields 9 and, for similar pictures, 10 mean
    // something here.
    h.escaped = f.size() > 9 && f[9] == SessionEscape::Marker;
    if (h.options.engine == ScanOptions::Pictures && f.size() > 10)
    {
        const std::optional<PictureLevel> level = SessionNumbers::toPictureLevel(f[10]);
        if (!level)
            return damaged(Tr::tr("Line 1: the similarity %1 is not one of 0 (strict), 1 (close) and 2 (loose).")
                               .arg(quoted(f[10])));
        h.options.similarity = *level;
    }
    m_header = h;
    return true;
}

bool SessionParser::readLocation(const QString &line)
{
    const QStringList f = fields(line, u',');
    if (f.size() != 6)
        return damaged(Tr::tr("Line %1: a search location has 6 fields, this line has %2.").arg(m_line).arg(f.size()));
    for (const QString &field : f)
    {
        if (holdsNul(field))
            return damaged(Tr::tr("Line %1 holds a NUL character, which no file name can hold.").arg(m_line));
    }
    if (!isAbsolute(f[0]))
        return damaged(
            Tr::tr("Line %1: the search location %2 is not an absolute path.").arg(m_line).arg(quoted(f[0])));
    // An icon that is neither would leave it open whether the folder is searched or excluded.
    const auto icon = SessionNumbers::toLong(f[5]);
    if (!icon || (*icon != SearchLocation::IncludedIcon && *icon != SearchLocation::ExcludedIcon &&
                  *icon != SearchLocation::ReferenceIcon))
        return damaged(
            Tr::tr("Line %1: the location's icon %2 is none of 15 (searched), 16 (excluded) and 19 (reference).")
                .arg(m_line)
                .arg(quoted(f[5])));
    SearchLocation l;
    l.folder = f[0];
    l.subFolders = f[1];
    l.mask = f[2];
    l.minSize = f[3];
    l.maxSize = f[4];
    l.icon = *icon;
    m_locations.append(l);
    return true;
}

bool SessionParser::readResult(const QString &line)
{
    // The header's count bounds the rows; nothing is allocated from it.
    if (++m_resultLines > m_header.rowCount)
        return damaged(Tr::tr("Line %1: the header announces %2 result rows, but the file holds more.")
                           .arg(m_line)
                           .arg(m_header.rowCount));
    const QStringList f = fields(line, u'?');
    // A tenth field, "*", says the file was marked.
    if (f.size() == 10 && f[9] != u"*")
        return damaged(Tr::tr("Line %1: the tenth field of a result row can only be \"*\" (marked), not %2.")
                           .arg(m_line)
                           .arg(quoted(f[9])));
    if (f.size() != 9 && f.size() != 10)
        return damaged(Tr::tr("Line %1: a result row has 9 fields, this line has %2.").arg(m_line).arg(f.size()));
    for (const QString &field : f)
    {
        if (holdsNul(field))
            return damaged(Tr::tr("Line %1 holds a NUL character, which no file name can hold.").arg(m_line));
    }
    const auto wrong = [this](const QString &sentence, const QString &text) {
        // sentence: "Line %1: the ... %2 is not valid."
        return damaged(sentence.arg(m_line).arg(quoted(text)));
    };
    const QString &name = f[0];
    if (name.isEmpty() || name.contains(u'/') || name == QLatin1String(".") || name == QLatin1String(".."))
        return wrong(Tr::tr("Line %1: the file name %2 is not valid."), name);
    if (!isByteCount(f[1]))
        return wrong(Tr::tr("Line %1: the size %2 is not valid."), f[1]);
    if (!f[2].isEmpty() && !TextFormat::isDateText(f[2]))
        return wrong(Tr::tr("Line %1: the date %2 is not valid."), f[2]);
    if (!isAbsolute(f[5]) || !f[5].endsWith(u'/'))
        return wrong(Tr::tr("Line %1: the folder %2 is not valid."), f[5]);
    if (!isByteCount(f[6]))
        return wrong(Tr::tr("Line %1: the size key %2 is not valid."), f[6]);
    if (!allDigits(f[7]))
        return wrong(Tr::tr("Line %1: the date key %2 is not valid."), f[7]);
    if (!allDigits(f[8]))
        return wrong(Tr::tr("Line %1: the group key %2 is not valid."), f[8]);
    if (m_rows)
        m_rows(f);
    return true;
}
} // namespace SessionFile
