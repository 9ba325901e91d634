// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliSession.h"

#include "cli/CliText.h"
#include "results/ResultModel.h"
#include "sessions/DelimitedExport.h"
#include "sessions/HtmlExport.h"
#include "sessions/SessionReader.h"
#include "sessions/SessionWriter.h"

#include <QDateTime>
#include <QIODevice>

namespace
{
// Why the file was not taken; nothing after the error report's Abort or a cancel, which said it.
void cannotRead(QIODevice &err, const QString &path, const SessionRead &read)
{
    if (read.ending == SessionRead::Ending::Aborted)
        return;
    const QString why = read.ending == SessionRead::Ending::Damaged ? QStringLiteral(": ") + read.damage
                                                                    : QStringLiteral(": no such file");
    err.write("corvina-cli: cannot read the session file \"" + CliText::escaped(path) + '"' + CliText::escaped(why) +
              '\n');
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

QByteArray loadSummary(const SessionLoadReport &report)
{
    const SessionStatusTexts &s = report.status;
    QString text = s.panel1 + u'\n';
    for (const auto &[shown, panel] : {std::pair{s.panel2Visible, &s.panel2}, std::pair{s.panel3Visible, &s.panel3},
                                       std::pair{s.panel4Visible, &s.panel4}})
    {
        if (shown)
            text += *panel + u'\n';
    }
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
