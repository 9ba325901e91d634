// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOutput.h"

#include "cli/CliText.h"
#include "cli/CliWriter.h"
#include "core/ShownSize.h"
#include "core/TextFormat.h"
#include "platform/NativePath.h"
#include "results/LocaleText.h"
#include "results/PictureRows.h"
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
    return CliJson::localTime(local);
}

// A picture's "4032 x 3024 JPEG" as numbers and its format; null for a text that is none.
QJsonValue pictureValue(const QString &text)
{
    const std::optional<PictureRows::Dimensions> d = PictureRows::dimensionsOf(text);
    if (!d)
        return QJsonValue::Null;
    return QJsonObject{{QStringLiteral("width"), d->width},
                       {QStringLiteral("height"), d->height},
                       {QStringLiteral("format"), d->format.toString()}};
}

QJsonObject fileObject(const ResultRow &row, bool showMarks, bool pictures)
{
    QJsonObject file;
    CliJson::insertPath(file, row.fullPath());
    file.insert(QStringLiteral("size"), row.size);
    file.insert(QStringLiteral("modified"), modified(row));
    if (pictures)
        file.insert(QStringLiteral("picture"), pictureValue(row.version()));
    if (showMarks)
        file.insert(QStringLiteral("marked"), row.marked);
    return file;
}

// The rows [first, last) of one group number as aligned lines; a row of a reference location
// starts with "R" and, with showMarks, a marked row's line with "*".
void writeGroupText(const ResultModel &model, int first, int last, bool showMarks, CliWriter &w)
{
    qsizetype sizeWidth = 0;
    qsizetype dateWidth = 0;
    qsizetype versionWidth = 0;
    for (int r = first; r < last; ++r)
    {
        const ResultRow &row = model.row(r);
        sizeWidth = std::max(sizeWidth, row.column(ResultRow::ColSize).size());
        dateWidth = std::max(dateWidth, row.column(ResultRow::ColModified).size());
        versionWidth = std::max(versionWidth, row.version().size());
    }
    w.add(QByteArray("Group ") + model.row(first).column(ResultRow::ColGroup).toUtf8() + '\n');
    for (int r = first; r < last; ++r)
    {
        const ResultRow &row = model.row(r);
        const char *lead = row.reference ? "R " : showMarks && row.marked ? "* " : "  ";
        w.add(QByteArray(lead) + row.column(ResultRow::ColSize).rightJustified(sizeWidth).toUtf8() + "  " +
              row.column(ResultRow::ColModified).leftJustified(dateWidth).toUtf8() + "  " +
              row.version().leftJustified(versionWidth).toUtf8() + "  " + pathBytes(row) + '\n');
    }
    w.add('\n');
}
} // namespace

namespace CliJson
{
void insertPath(QJsonObject &object, const QString &path)
{
    if (!NativePath::hasEscapedBytes(path))
    {
        object.insert(QStringLiteral("path"), path);
        return;
    }
    QString shown = path;
    for (QChar &c : shown)
    {
        if (c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF)
            c = QChar::ReplacementCharacter;
    }
    object.insert(QStringLiteral("path"), shown);
    object.insert(QStringLiteral("path_base64"), QString::fromLatin1(NativePath::encode(path).toBase64()));
}

QString localTime(const QDateTime &local)
{
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}
} // namespace CliJson

namespace CliOutput
{
void writeText(const ResultModel &model, QIODevice &out, bool showMarks)
{
    CliWriter w(out);
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
    CliWriter w(out);
    w.add('[');
    bool firstGroup = true;
    const bool pictures = PictureRows::isPictureList(model);
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
            files.append(fileObject(model.row(r), showMarks, pictures));
        group.insert(QStringLiteral("files"), files);
        w.add(firstGroup ? QByteArray("\n") : QByteArray(",\n"));
        w.add(QJsonDocument(group).toJson(QJsonDocument::Compact));
        firstGroup = false;
    });
    w.add(QByteArray("\n]\n"));
}

void writeNul(const ResultModel &model, QIODevice &out, bool onlyMarked)
{
    CliWriter w(out);
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
    CliWriter w(out);
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

QByteArray folderSummary(const FolderReport &report, bool contained)
{
    qsizetype folders = 0;
    for (const std::vector<quint32> &g : report.groups)
        folders += static_cast<qsizetype>(g.size());
    const auto groups = static_cast<qsizetype>(report.groups.size());
    //: %1 is the number of folders, %2 the number of groups.
    QString line =
        (groups == 1 ? Tr::tr("Duplicate folders: %1 in %2 group") : Tr::tr("Duplicate folders: %1 in %2 groups"))
            .arg(LocaleText::number(folders), LocaleText::number(groups));
    if (contained)
    {
        const auto n = static_cast<qsizetype>(report.contained.size());
        line += (n == 1 ? Tr::tr("; %1 folder with nothing unique") : Tr::tr("; %1 folders with nothing unique"))
                    .arg(LocaleText::number(n));
    }
    return line.toUtf8() + '\n';
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
