// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliFolderOutput.h"

#include "cli/CliText.h"
#include "cli/CliWriter.h"
#include "engine/FileRecord.h"
#include "platform/NativePath.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace
{
// Scripts read these lines: they are the same in every language.
void writeText(const FolderReport &report, bool contained, const CliFolderOutput::Marks &marks, CliWriter &w)
{
    const auto dateOf = [](const FolderFacts &f) { return f.files > 0 ? fileDateText(f.modified) : QString(); };
    qsizetype sizeWidth = 0;
    qsizetype filesWidth = 0;
    qsizetype dateWidth = 0;
    for (const FolderFacts &f : report.folders)
    {
        sizeWidth = std::max(sizeWidth, QString::number(f.size).size());
        filesWidth = std::max(filesWidth, QString::number(f.files).size());
        dateWidth = std::max(dateWidth, dateOf(f).size());
    }
    const auto line = [&](const FolderFacts &f) {
        const char *lead = marks.references.contains(f.path)              ? "R "
                           : marks.shown && marks.marked.contains(f.path) ? "* "
                                                                          : "  ";
        w.add(lead + QString::number(f.size).rightJustified(sizeWidth).toUtf8() + "  " +
              QString::number(f.files).rightJustified(filesWidth).toUtf8() + (f.files == 1 ? " file   " : " files  ") +
              dateOf(f).leftJustified(dateWidth).toUtf8() + "  " + CliText::escaped(f.path) + '\n');
    };
    for (size_t g = 0; g < report.groups.size(); ++g)
    {
        w.add("Folder group " + QByteArray::number(static_cast<qulonglong>(g) + 1) + '\n');
        for (const quint32 i : report.groups[g])
            line(report.folders[i]);
        w.add('\n');
    }
    if (!contained)
        return;
    w.add(QByteArray("Nothing unique (every file has a copy elsewhere)") + '\n');
    for (const quint32 i : report.contained)
        line(report.folders[i]);
}

QJsonObject folderObject(const FolderFacts &f, const CliFolderOutput::Marks &marks)
{
    QJsonObject o;
    if (marks.shown)
        o.insert(QStringLiteral("marked"), marks.marked.contains(f.path));
    CliJson::insertPath(o, f.path);
    o.insert(QStringLiteral("files"), f.files);
    o.insert(QStringLiteral("size"), f.size);
    o.insert(QStringLiteral("modified"), f.files > 0
                                             ? QJsonValue(CliJson::localTime(QDateTime::fromSecsSinceEpoch(f.modified)))
                                             : QJsonValue(QJsonValue::Null));
    return o;
}

void writeJson(const FolderReport &report, bool contained, const CliFolderOutput::Marks &marks, CliWriter &w)
{
    w.add('[');
    bool first = true;
    const auto add = [&](const QJsonValue &group, const std::vector<quint32> &members, bool elsewhere) {
        QJsonObject o;
        o.insert(QStringLiteral("group"), group);
        o.insert(QStringLiteral("size"), report.folders[members.front()].size);
        QJsonArray folders;
        for (const quint32 i : members)
            folders.append(folderObject(report.folders[i], marks));
        o.insert(QStringLiteral("folders"), folders);
        if (elsewhere)
            o.insert(QStringLiteral("elsewhere"), 100);
        w.add(first ? QByteArray("\n") : QByteArray(",\n"));
        w.add(QJsonDocument(o).toJson(QJsonDocument::Compact));
        first = false;
    };
    for (size_t g = 0; g < report.groups.size(); ++g)
        add(static_cast<qint64>(g + 1), report.groups[g], false);
    if (contained)
    {
        for (const quint32 i : report.contained)
            add(QJsonValue::Null, {i}, true);
    }
    w.add(QByteArray("\n]\n"));
}
} // namespace

namespace CliFolderOutput
{
void write(const FolderReport &report, CliOptions::Format format, bool contained, const Marks &marks, QIODevice &out)
{
    CliWriter w(out);
    std::vector<std::vector<quint32>> sections = report.groups;
    if (contained)
    {
        for (const quint32 i : report.contained)
            sections.push_back({i});
    }
    switch (format)
    {
    case CliOptions::Format::Text:
        writeText(report, contained, marks, w);
        break;
    case CliOptions::Format::Groups:
        for (const std::vector<quint32> &members : sections)
        {
            for (size_t k = 0; k < members.size(); ++k)
                w.add((k > 0 ? QByteArray("\t") : QByteArray()) + CliText::escaped(report.folders[members[k]].path));
            w.add('\n');
        }
        break;
    case CliOptions::Format::Json:
        writeJson(report, contained, marks, w);
        break;
    case CliOptions::Format::Nul:
        for (const std::vector<quint32> &members : sections)
        {
            for (const quint32 i : members)
            {
                if (marks.shown && !marks.marked.contains(report.folders[i].path))
                    continue;
                w.add(NativePath::encode(report.folders[i].path));
                w.add('\0');
            }
        }
        break;
    }
}
} // namespace CliFolderOutput
