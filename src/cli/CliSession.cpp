// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliSession.h"

#include "cli/CliOutput.h"
#include "cli/CliText.h"
#include "results/ResultModel.h"
#include "sessions/DelimitedExport.h"
#include "sessions/HtmlExport.h"
#include "sessions/SessionReader.h"
#include "sessions/SessionWriter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QIODevice>

namespace
{
// The texts of this file for translators.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(CliSession)
};

// Why the file was not taken; nothing after the error report's Abort or a cancel, which said it.
void cannotRead(QIODevice &err, const QString &path, const SessionRead &read)
{
    if (read.ending == SessionRead::Ending::Aborted)
        return;
    // Names as CliText writes them (valid UTF-8), so that they cannot drive the terminal.
    const QString name = QString::fromUtf8(CliText::escaped(path));
    const QString text = read.ending == SessionRead::Ending::Damaged
                             ? Tr::tr("cannot read the session file \"%1\": %2")
                                   .arg(name, QString::fromUtf8(CliText::escaped(read.damage)))
                             : Tr::tr("cannot read the session file \"%1\": no such file").arg(name);
    err.write((QStringLiteral("corvina-cli: ") + text + u'\n').toUtf8());
}
} // namespace

namespace CliSession
{
bool readSearch(const QString &path, SearchLocationList &locations, ScanOptions &options, ErrorReporter &errors,
                QIODevice &err)
{
    SessionState state;
    ResultModel none;
    const SessionRead read = SessionFile::loadSessionParameters(path, state, none, errors);
    if (!read.whole())
    {
        cannotRead(err, path, read);
        return false;
    }
    locations = state.locations;
    options = state.options;
    return true;
}

SessionLoadReport load(const QString &path, bool rescan, SessionState &state, ResultModel &model, ScanSink &sink,
                       QIODevice &err)
{
    const SessionLoadReport report = SessionFile::openCorvinaFile(path, rescan, false, state, model, sink);
    if (!report.result)
        cannotRead(err, path, report);
    return report;
}

QByteArray loadSummary(const SessionLoadReport &report, const SessionState &state)
{
    // Panels 2 to 4 of the report are the English texts files keep; these are the user's.
    const SessionStatusTexts &s = report.status;
    QString text = s.panel1 + u'\n';
    if (s.panel2Visible)
        text += CliOutput::duplicatesLine(state.duplicateCount, state.duplicateSize) + u'\n';
    if (s.panel3Visible)
        text += CliOutput::filesLine(report.totalFiles) + u'\n';
    if (s.panel4Visible)
        text += CliOutput::foldersLine(report.totalFolders) + u'\n';
    return text.toUtf8();
}

SessionState stateOfScan(const SearchLocationList &locations, const ScanOptions &options, const ScanSummary &summary)
{
    SessionState state;
    state.options = options;
    state.locations = locations;
    state.filesPanel = summary.files;
    state.foldersPanel = summary.folders;
    state.duplicateCount = summary.duplicateCount;
    state.duplicateSize = summary.duplicateSize;
    return state;
}

bool writeFiles(const CliSessionOptions &options, const SessionState &state, const ResultModel &model,
                const QString &duplicatesPanel, ErrorReporter &errors)
{
    bool ok = true;
    if (!options.save.isEmpty())
        ok = SessionFile::writeSessionFile(options.save, state, model, false, errors) && ok;
    if (!options.saveParams.isEmpty())
        ok = SessionFile::writeSessionFile(options.saveParams, state, model, true, errors) && ok;
    if (options.exportPath.isEmpty())
        return ok;
    const ExportChoice rows(model, options.exportRows);
    if (options.exportFormat == CliSessionOptions::ExportFormat::Html)
    {
        const HtmlExport::Summary summary{state.filesPanel, duplicatesPanel, QDateTime::currentDateTime()};
        return HtmlExport::exportHtml(options.exportPath, model, rows, summary, errors) && ok;
    }
    return DelimitedExport::exportDelimited(options.exportPath, model, options.delimiter, rows, errors) && ok;
}
} // namespace CliSession
