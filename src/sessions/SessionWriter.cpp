// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessions/SessionWriter.h"

#include "core/RaisedError.h"
#include "results/ResultModel.h"
#include "sessions/SessionEscape.h"
#include "sessions/SessionNumbers.h"
#include "sessions/TextFileOutput.h"

#include <QStringList>

namespace
{
const QString CrLf = QStringLiteral("\r\n");
// The procedure's name in error reports, the same in every language.
const QString SavingLabel = QStringLiteral("File Saving");

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

bool locationNeedsEscapes(const SearchLocation &l)
{
    if (l.folder.startsWith(u';'))
        return true;
    for (const QString *text : {&l.folder, &l.subFolders, &l.mask, &l.minSize, &l.maxSize})
    {
        if (SessionEscape::needed(*text, u','))
            return true;
    }
    return false;
}

bool rowNeedsEscapes(const ResultRow &r)
{
    const auto needed = [](const QString &text) { return SessionEscape::needed(text, u'?'); };
    if (needed(r.name()) || needed(r.path) || needed(r.version()))
        return true;
    if (!r.texts())
        return false;
    for (const auto *text :
         {&r.texts()->size, &r.texts()->modified, &r.texts()->sortSize, &r.texts()->sortDate, &r.texts()->sortGrpno})
    {
        if (*text && needed(**text))
            return true;
    }
    return false;
}

QString field(const QString &text, bool escaped)
{
    return escaped ? SessionEscape::encode(text) : text;
}

QString buildParameters(const SessionState &state, const ResultModel &rows, bool escaped)
{
    const ScanOptions &o = state.options;
    QStringList header{QString::number(o.engine),
                       flag(o.protect),
                       flag(o.includeHidden),
                       QString::number(rows.size()),
                       state.filesPanel.mid(8),
                       state.foldersPanel.mid(10),
                       QString::number(state.duplicateCount),
                       QString::number(state.duplicateSize),
                       flag(o.fuzzy)};
    if (escaped || o.engine == ScanOptions::Pictures)
        header << (escaped ? SessionEscape::Marker.toString() : QString());
    if (o.engine == ScanOptions::Pictures)
        header << SessionNumbers::pictureLevelField(o.similarity);
    QString text = header.join(u',');
    for (const SearchLocation &l : state.locations.rows())
    {
        text += CrLf + field(l.folder, escaped) + u',' + field(l.subFolders, escaped) + u',' + field(l.mask, escaped) +
                u',' + field(l.minSize, escaped) + u',' + field(l.maxSize, escaped) + u',' + QString::number(l.icon);
    }
    return text;
}
} // namespace

namespace SessionFile
{
bool needsEscapes(const SessionState &state, const ResultModel &rows)
{
    for (const SearchLocation &l : state.locations.rows())
    {
        if (locationNeedsEscapes(l))
            return true;
    }
    for (const ResultRow &r : rows.rows())
    {
        if (rowNeedsEscapes(r))
            return true;
    }
    return false;
}

QString parametersText(const SessionState &state, const ResultModel &rows)
{
    return buildParameters(state, rows, needsEscapes(state, rows));
}

QString resultLine(const ResultRow &row, bool escaped)
{
    QString line;
    for (int c = ResultRow::ColName; c <= ResultRow::ColSortGrpno; ++c)
    {
        if (c > 0)
            line += u'?';
        line += field(row.column(c), escaped);
    }
    // A tenth field only for a marked file: a session without marks keeps its nine-field lines.
    if (row.marked)
        line += QStringLiteral("?*");
    return line;
}

bool writeSessionFile(const QString &path, const SessionState &state, const ResultModel &rows, bool parametersOnly,
                      ErrorReporter &errors, const ProgressHooks &progress)
{
    const bool escaped = needsEscapes(state, rows);
    const QString parameters = buildParameters(state, rows, escaped);
    if (!rows.isEmpty())
        progress.maximum(rows.size());
    return runStep(errors, SavingLabel, [&] {
        TextFileOutput out(path);
        out.write(QString(parameters + CrLf));
        if (!parametersOnly)
        {
            for (int i = 0; i < rows.size(); ++i)
            {
                const QString line = resultLine(rows.row(i), escaped);
                out.write(i == 0 ? QString(u';' + line + CrLf) : QString(line + CrLf));
                progress.value(i + 1);
            }
        }
        out.finish();
    });
}

void saveSessionParameters(const QString &path, const SessionState &state, const ResultModel &rows)
{
    const QString text = parametersText(state, rows) + CrLf;
    if (path.isEmpty())
        return;
    try
    {
        // The default session lists the user's folders: nobody else may read it.
        TextFileOutput out(path, SaveFile::Access::Private);
        out.write(text);
        out.finish();
    }
    catch (const RaisedError &)
    {
        // The default session is best effort: a failure leaves the previous file as it was.
    }
}
} // namespace SessionFile
