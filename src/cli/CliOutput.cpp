// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOutput.h"

#include "cli/CliText.h"
#include "core/TextFormat.h"
#include "platform/NativePath.h"
#include "results/ResultModel.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace
{
// Collects output and hands it to the device in large pieces.
class Writer
{
public:
    explicit Writer(QIODevice &out) : m_out(out) {}
    ~Writer() { flush(); }
    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;

    void add(const QByteArray &bytes)
    {
        m_buffer += bytes;
        if (m_buffer.size() >= (1 << 20))
            flush();
    }
    void add(char c) { m_buffer += c; }
    void flush()
    {
        m_out.write(m_buffer);
        m_buffer.clear();
    }

private:
    QIODevice &m_out;
    QByteArray m_buffer;
};

QByteArray pathBytes(const ResultRow &row)
{
    return CliText::escaped(row.fullPath());
}

// The rows [first, last) of each group in turn; a row without a group is a group of its own.
template <typename F> void forEachGroup(const ResultModel &model, F group)
{
    int first = 0;
    for (int r = 1; r <= model.size(); ++r)
    {
        if (r == model.size() || model.row(r).group == 0 || model.row(r).group != model.row(first).group)
        {
            group(first, r);
            first = r;
        }
    }
}

QJsonValue modified(const ResultRow &row)
{
    const QDateTime local = TextFormat::parseDateText(row.column(ResultRow::ColModified));
    if (!local.isValid())
        return QJsonValue::Null;
    // With the offset, so that the time is one instant wherever it is read.
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

QJsonObject fileObject(const ResultRow &row, bool showMarks)
{
    const QString path = row.fullPath();
    QJsonObject file;
    if (NativePath::hasEscapedBytes(path))
    {
        QString shown = path;
        for (QChar &c : shown)
        {
            if (c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF)
                c = QChar::ReplacementCharacter;
        }
        file.insert(QStringLiteral("path"), shown);
        file.insert(QStringLiteral("path_base64"), QString::fromLatin1(NativePath::encode(path).toBase64()));
    }
    else
    {
        file.insert(QStringLiteral("path"), path);
    }
    file.insert(QStringLiteral("size"), row.size);
    file.insert(QStringLiteral("modified"), modified(row));
    if (showMarks)
        file.insert(QStringLiteral("marked"), row.marked);
    return file;
}

// The rows [first, last) of one group number as aligned lines; a row of a reference location
// starts with "R" and, with showMarks, a marked row's line with "*".
void writeGroupText(const ResultModel &model, int first, int last, bool showMarks, Writer &w)
{
    qsizetype sizeWidth = 0;
    qsizetype dateWidth = 0;
    qsizetype versionWidth = 0;
    for (int r = first; r < last; ++r)
    {
        const ResultRow &row = model.row(r);
        sizeWidth = std::max(sizeWidth, row.column(ResultRow::ColSize).size());
        dateWidth = std::max(dateWidth, row.column(ResultRow::ColModified).size());
        versionWidth = std::max(versionWidth, row.version.size());
    }
    w.add(QByteArray("Group ") + model.row(first).column(ResultRow::ColGroup).toUtf8() + '\n');
    for (int r = first; r < last; ++r)
    {
        const ResultRow &row = model.row(r);
        const char *lead = row.reference ? "R " : showMarks && row.marked ? "* " : "  ";
        w.add(QByteArray(lead) + row.column(ResultRow::ColSize).rightJustified(sizeWidth).toUtf8() + "  " +
              row.column(ResultRow::ColModified).leftJustified(dateWidth).toUtf8() + "  " +
              row.version.leftJustified(versionWidth).toUtf8() + "  " + pathBytes(row) + '\n');
    }
    w.add('\n');
}
} // namespace

namespace CliOutput
{
void writeText(const ResultModel &model, QIODevice &out, bool showMarks)
{
    Writer w(out);
    int first = 0;
    for (int r = 1; r <= model.size(); ++r)
    {
        if (r == model.size() || model.row(r).group != model.row(first).group)
        {
            writeGroupText(model, first, r, showMarks, w);
            first = r;
        }
    }
}

void writeJson(const ResultModel &model, QIODevice &out, bool showMarks)
{
    Writer w(out);
    w.add('[');
    bool firstGroup = true;
    forEachGroup(model, [&](int first, int last) {
        const ResultRow &head = model.row(first);
        QJsonObject group;
        group.insert(QStringLiteral("group"), head.group != 0 ? QJsonValue(head.group) : QJsonValue::Null);
        // One size for the group, unless a search by name put files of several sizes in it.
        bool oneSize = true;
        for (int r = first + 1; r < last; ++r)
            oneSize = oneSize && model.row(r).size == head.size;
        group.insert(QStringLiteral("size"), oneSize ? QJsonValue(head.size) : QJsonValue::Null);
        QJsonArray files;
        for (int r = first; r < last; ++r)
            files.append(fileObject(model.row(r), showMarks));
        group.insert(QStringLiteral("files"), files);
        w.add(firstGroup ? QByteArray("\n") : QByteArray(",\n"));
        w.add(QJsonDocument(group).toJson(QJsonDocument::Compact));
        firstGroup = false;
    });
    w.add(QByteArray("\n]\n"));
}

void writeNul(const ResultModel &model, QIODevice &out, bool onlyMarked)
{
    Writer w(out);
    for (const ResultRow &row : model.rows())
    {
        if (onlyMarked && !row.marked)
            continue;
        w.add(NativePath::encode(row.fullPath()));
        w.add('\0');
    }
}

void writeGroups(const ResultModel &model, QIODevice &out)
{
    Writer w(out);
    for (int r = 0; r < model.size(); ++r)
    {
        const ResultRow &row = model.row(r);
        if (r > 0)
            w.add(row.group != 0 && row.group == model.row(r - 1).group ? '\t' : '\n');
        w.add(pathBytes(row));
    }
    if (model.size() > 0)
        w.add('\n');
}

QByteArray summary(const ScanSummary &s, bool verbose)
{
    QByteArray text = (s.activity + u'\n' + s.duplicates + u'\n' + s.files + u'\n' + s.folders + u'\n').toUtf8();
    for (const SkippedLocation &l : s.skipped)
    {
        const char *why = "it could not be read";
        if (l.reason == SkippedLocation::Reason::Missing)
            why = "no such folder";
        else if (l.reason == SkippedLocation::Reason::Protected)
            why = "a system folder; --no-protect searches it";
        text += "Not searched: " + CliText::escaped(l.folder) + " (" + why + ")\n";
    }
    if (s.unreadableFolders.isEmpty() && s.unreadableFiles.isEmpty())
        return text;
    auto counted = [](qsizetype n, const char *what) -> QByteArray {
        return QByteArray::number(n) + ' ' + what + (n == 1 ? "" : "s");
    };
    text += "Could not read: " + counted(s.unreadableFolders.size(), "folder") + ", " +
            counted(s.unreadableFiles.size(), "file") + (verbose ? "" : " (--verbose lists them)") + '\n';
    if (!verbose)
        return text;
    for (const QString &folder : s.unreadableFolders)
        text += "  folder " + CliText::escaped(folder) + '\n';
    for (const QString &file : s.unreadableFiles)
        text += "  file " + CliText::escaped(file) + '\n';
    return text;
}
} // namespace CliOutput
