// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOutput.h"

#include "cli/CliText.h"
#include "core/ShownSize.h"
#include "core/TextFormat.h"
#include "platform/NativePath.h"
#include "results/ResultModel.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace
{
// The texts of the summary on standard error, for translators. The listing on standard output
// ("Group N", the JSON keys) is read by scripts and stays as it is in every language.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(CliOutput)
};

// A name as CliText writes it, as text: valid UTF-8 without control characters.
QString shown(const QString &name)
{
    return QString::fromUtf8(CliText::escaped(name));
}

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

QString duplicatesLine(qint32 count, qint64 bytes)
{
    return Tr::tr("Duplicate Files: %1  Size: %2")
        .arg(QString::number(count), ShownSize::text(static_cast<double>(bytes)));
}

QString filesLine(qint32 count)
{
    return Tr::tr("Files : %1").arg(count);
}

QString foldersLine(qint32 count)
{
    return Tr::tr("Folders : %1").arg(count);
}

QByteArray summary(const ScanSummary &s, bool verbose)
{
    // The engine's texts of panels 2 to 4 are the English ones files keep; these are the user's.
    QString text = s.activity + u'\n' + duplicatesLine(s.duplicateCount, s.duplicateSize) + u'\n' +
                   filesLine(s.totalFiles) + u'\n' + foldersLine(s.totalFolders) + u'\n';
    // The window shows the same sentence beside its result list.
    if (!s.limits.isEmpty())
        text += s.limits + u'\n';
    for (const SkippedLocation &l : s.skipped)
    {
        QString why;
        switch (l.reason)
        {
        case SkippedLocation::Reason::Missing:
            why = Tr::tr("Not searched: %1 (no such folder)");
            break;
        case SkippedLocation::Reason::Protected:
            why = Tr::tr("Not searched: %1 (a system folder; --no-protect searches it)");
            break;
        case SkippedLocation::Reason::Unreadable:
            why = Tr::tr("Not searched: %1 (it could not be read)");
            break;
        }
        text += why.arg(shown(l.folder)) + u'\n';
    }
    if (s.unreadableFolders.isEmpty() && s.unreadableFiles.isEmpty())
        return text.toUtf8();
    const qsizetype folders = s.unreadableFolders.size();
    const qsizetype files = s.unreadableFiles.size();
    // Singular and plural as two texts: without a translator the English stays exact.
    const QString folderCount = folders == 1 ? Tr::tr("%1 folder").arg(folders) : Tr::tr("%1 folders").arg(folders);
    const QString fileCount = files == 1 ? Tr::tr("%1 file").arg(files) : Tr::tr("%1 files").arg(files);
    text += (verbose ? Tr::tr("Could not read: %1, %2") : Tr::tr("Could not read: %1, %2 (--verbose lists them)"))
                .arg(folderCount, fileCount) +
            u'\n';
    if (verbose)
    {
        for (const QString &folder : s.unreadableFolders)
            text += Tr::tr("  folder %1").arg(shown(folder)) + u'\n';
        for (const QString &file : s.unreadableFiles)
            text += Tr::tr("  file %1").arg(shown(file)) + u'\n';
    }
    return text.toUtf8();
}
} // namespace CliOutput
