// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliRun.h"

#include "actions/ActJournal.h"
#include "cli/CliActions.h"
#include "cli/CliFolderOutput.h"
#include "cli/CliJournal.h"
#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "cli/CliScanSink.h"
#include "cli/CliSession.h"
#include "cli/CliText.h"
#include "core/Version.h"
#include "engine/ScanPipeline.h"
#include "platform/FileFunctions.h"
#include "results/ResultModel.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <QIODevice>

namespace
{
// The texts of this file for translators.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(CliRun)
};

void say(QIODevice &err, const QString &text)
{
    err.write((QStringLiteral("corvina-cli: ") + text + u'\n').toUtf8());
}

// What a search or a load leaves for the rest of the run.
struct Found
{
    bool failed = false;    // nothing was searched or loaded; the reason is on standard error
    bool completed = false; // ran to its end, not cancelled
    SessionState state;
    QString duplicatesPanel; // the duplicates text, for the HTML report
    QByteArray closing;      // the summary for standard error
    FolderReport folders;    // what the folder search found
};

Found load(const CliSessionOptions &files, ResultModel &model, CliScanSink &sink, QIODevice &err)
{
    Found found;
    const SessionLoadReport report = CliSession::load(files.load, files.rescan, found.state, model, sink, err);
    found.failed = !report.result;
    found.completed = !report.cancelSearch;
    found.duplicatesPanel = report.status.panel2;
    found.closing = CliSession::loadSummary(report, found.state);
    return found;
}

Found search(const CliOptions &options, const CliSessionOptions &files, const QString &currentFolder,
             ResultModel &model, CliScanSink &sink, QIODevice &err)
{
    Found found;
    SearchLocationList locations = options.locations(currentFolder);
    ScanOptions scan = options.scan;
    if (!files.session.isEmpty() && !CliSession::readSearch(files.session, locations, scan, sink.errors(), err))
    {
        found.failed = true;
        return found;
    }
    for (const SearchLocation &l : locations.rows())
    {
        if (!l.excluded() && !FileFunctions::folderExists(l.folder))
        {
            // The name as CliText writes it (valid UTF-8), so that it cannot drive the terminal.
            say(err, Tr::tr("no such folder: %1").arg(QString::fromUtf8(CliText::escaped(l.folder))));
            found.failed = true;
            return found;
        }
    }
    ScanSummary summary = ScanPipeline(sink, model).run(locations, scan);
    found.completed = !summary.cancelSearch;
    found.state = CliSession::stateOfScan(locations, scan, summary);
    found.duplicatesPanel = summary.duplicates;
    found.closing = CliOutput::summary(summary, options.verbose);
    if (scan.engine == ScanOptions::Folders)
    {
        found.closing += CliOutput::folderSummary(summary.folderCopies, options.contained);
        found.folders = std::move(summary.folderCopies);
    }
    return found;
}

// The marks and reference rows of a list of folders, by folder path.
CliFolderOutput::Marks folderMarks(const ResultModel &model, bool shown)
{
    CliFolderOutput::Marks marks;
    marks.shown = shown;
    for (const ResultRow &row : model.rows())
    {
        const QString folder = row.fullPath() + u'/';
        if (row.marked)
            marks.marked.insert(folder);
        if (row.reference)
            marks.references.insert(folder);
    }
    return marks;
}

// The listing on standard output, in the format asked for.
void writeListing(const ResultModel &model, CliOptions::Format format, bool marking, QIODevice &out)
{
    // Marks are shown whoever made them: the rules, or the session file that was loaded.
    const bool showMarks = marking || model.markedCount() > 0;
    switch (format)
    {
    case CliOptions::Format::Text:
        CliOutput::writeText(model, out, showMarks);
        break;
    case CliOptions::Format::Groups:
        CliOutput::writeGroups(model, out);
        break;
    case CliOptions::Format::Json:
        CliOutput::writeJson(model, out, showMarks);
        break;
    case CliOptions::Format::Nul:
        CliOutput::writeNul(model, out, marking);
        break;
    }
}
} // namespace

int runCli(const QStringList &arguments, const CliEnvironment &env)
{
    const CliCommand command = parseCommandLine(arguments);
    if (command.action == CliCommand::Action::Help)
    {
        env.out.write(helpText().toUtf8());
        return CliExit::Completed;
    }
    if (command.action == CliCommand::Action::Version)
    {
        // The program's name is not translated: scripts read this line.
        env.out.write(QByteArray("corvina-cli ") + CorvinaVersion + '\n');
        return CliExit::Completed;
    }
    if (command.action == CliCommand::Action::BadUsage)
    {
        say(env.err, Tr::tr("%1 (see corvina-cli --help)").arg(command.error));
        return CliExit::BadUsage;
    }

    const CliOptions &options = command.options;
    if (command.action == CliCommand::Action::Undo)
        return CliJournal::undo(ActJournal::defaultPath(), options.quiet, env.out, env.err);
    if (command.action == CliCommand::Action::Journal)
        return CliJournal::list(ActJournal::defaultPath(), options.format == CliOptions::Format::Json, env.out,
                                env.err);
    const CliSessionOptions files = options.session.resolved(env.currentFolder);
    CliScanSink sink(env.err, env.progress && !options.quiet, env.columns);
    ResultModel model;
    const Found found = files.load.isEmpty() ? search(options, files, env.currentFolder, model, sink, env.err)
                                             : load(files, model, sink, env.err);
    if (found.failed)
        return CliExit::Failed;
    sink.clearProgress();

    // Files are marked, acted on and written only after a search or load that ran to its end.
    const bool whole = found.completed && !sink.failed();
    const CliActionOptions actions = options.actions.resolved(env.currentFolder);
    if (whole)
        CliActions::mark(model, actions);
    if (options.scan.engine == ScanOptions::Folders)
        CliFolderOutput::write(found.folders, options.format, options.contained,
                               folderMarks(model, !actions.marks.isEmpty()), env.out);
    else
        writeListing(model, options.format, !actions.marks.isEmpty(), env.out);
    if (!options.quiet)
        env.err.write(found.closing);
    if (!whole)
        return CliExit::Failed;
    const int acted = CliActions::act(model, actions, options.quiet, env.out, env.err, sink.errors());
    // A file written to /dev/stdout comes after the listing, not before what is still buffered.
    if (auto *out = qobject_cast<QFileDevice *>(&env.out))
        out->flush();
    if (!CliSession::writeFiles(files, found.state, model, found.duplicatesPanel, sink.errors()))
        return CliExit::Failed;
    return acted;
}
