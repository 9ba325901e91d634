// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessions/DelimitedExport.h"

#include "core/AppendString.h"
#include "results/PictureRows.h"
#include "results/ResultModel.h"
#include "sessions/TextFileOutput.h"

namespace
{
const QString CrLf = QStringLiteral("\r\n");

bool quotingApplies(const QString &delimiter)
{
    return !delimiter.trimmed().isEmpty() && !delimiter.contains(u'"');
}

QString cell(const QString &text, const QString &delimiter, bool quoting)
{
    const QString shown = ExportText::readable(text);
    if (!quoting)
        return shown;
    if (!shown.contains(delimiter) && !shown.contains(u'"') && !shown.contains(u'\r') && !shown.contains(u'\n'))
        return shown;
    QString quoted = shown;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}
} // namespace

namespace DelimitedExport
{
QString delimiterText(Delimiter choice, const QString &other)
{
    switch (choice)
    {
    case Delimiter::Tab:
        return QStringLiteral(" ");
    case Delimiter::Comma:
        return QStringLiteral(",");
    case Delimiter::Semi:
        return QStringLiteral(";");
    case Delimiter::Other:
        break;
    }
    return other;
}

QString text(const ResultModel &model, const QString &delimiter, const ExportChoice &choice,
             const ProgressHooks &progress)
{
    const bool quoting = quotingApplies(delimiter);
    AppendString out;
    // A list of folders names its folders and their file counts where files have name and version;
    // a list of similar pictures gives their dimensions there.
    const bool folders = model.isFolderList();
    const QString fourth = folders                             ? QStringLiteral("Files")
                           : PictureRows::isPictureList(model) ? QStringLiteral("Dimensions")
                                                               : QStringLiteral("Version");
    const QStringList header{folders ? QStringLiteral("Folder Name") : QStringLiteral("File Name"),
                             QStringLiteral("Size(Bytes)"),
                             QStringLiteral("Last Modified"),
                             fourth,
                             QStringLiteral("Group"),
                             QStringLiteral("Path")};
    out.addToString(header.join(delimiter));
    progress.maximum(model.size());
    for (int i = 0; i < model.size(); ++i)
    {
        if (choice.exports(i))
        {
            const ResultRow &row = model.row(i);
            out.addToString(CrLf);
            for (int c = ResultRow::ColName; c <= ResultRow::ColPath; ++c)
            {
                if (c > 0)
                    out.addToString(delimiter);
                out.addToString(cell(row.column(c), delimiter, quoting));
            }
        }
        progress.value(i + 1);
    }
    out.addToString(CrLf);
    return out.returnString();
}

bool exportDelimited(const QString &path, const ResultModel &model, const QString &delimiter,
                     const ExportChoice &choice, ErrorReporter &errors, const ProgressHooks &progress)
{
    if (path.trimmed().isEmpty())
        return false;
    if (!runStep(errors, ExportText::FailureLabel, [&] { TextFileOutput::checkWritable(path); }))
        return false;
    const QString all = text(model, delimiter, choice, progress);
    return runStep(errors, ExportText::FailureLabel, [&] {
        TextFileOutput out(path);
        out.write(all);
        out.finish();
    });
}
} // namespace DelimitedExport
