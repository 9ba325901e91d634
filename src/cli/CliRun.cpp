// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliRun.h"

#include "cli/CliActions.h"
#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "cli/CliScanSink.h"
#include "cli/CliSession.h"
#include "cli/CliText.h"
#include "engine/ScanPipeline.h"
#include "platform/FileFunctions.h"
#include "results/ResultModel.h"

#include <QFileDevice>
#include <QIODevice>

namespace
{
void say(QIODevice &err, const QString &text)
{
    err.write((QStringLiteral("corvina-cli: ") + text + u'\n').toUtf8());
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
    if (command.action == CliCommand::Action::BadUsage)
    {
        say(env.err, command.error + QStringLiteral(" (see corvina-cli --help)"));
        return CliExit::BadUsage;
    }

    const CliOptions &options = command.options;
    const CliSessionOptions files = options.session.resolved(env.currentFolder);
    CliScanSink sink(env.err, env.progress && !options.quiet, env.columns);
    ResultModel model;
    SessionState state;
    QString duplicatesPanel;
    QByteArray closing;
    bool completed = false;
    if (!files.load.isEmpty())
    {
        const SessionLoadReport report = CliSession::load(files.load, files.rescan, state, model, sink, env.err);
        if (!report.result)
            return CliExit::Failed;
        completed = !report.cancelSearch;
        duplicatesPanel = report.status.panel2;
        closing = CliSession::loadSummary(report);
    }
    else
    {
        SearchLocationList locations = options.locations(env.currentFolder);
        ScanOptions scan = options.scan;
        if (!files.session.isEmpty() && !CliSession::readSearch(files.session, locations, scan, sink.errors(), env.err))
            return CliExit::Failed;
        for (const SearchLocation &l : locations.rows())
        {
            if (!l.excluded() && !FileFunctions::folderExists(l.folder))
            {
                env.err.write("corvina-cli: no such folder: " + CliText::escaped(l.folder) + '\n');
                return CliExit::Failed;
            }
        }
        const ScanSummary summary = ScanPipeline(sink, model).run(locations, scan);
        completed = !summary.cancelSearch;
        state = CliSession::stateOfScan(locations, scan, summary);
        duplicatesPanel = summary.duplicates;
        closing = CliOutput::summary(summary, options.verbose);
    }
    sink.clearProgress();

    // Files are marked, acted on and written only after a search or load that ran to its end.
    const bool whole = completed && !sink.failed();
    const CliActionOptions actions = options.actions.resolved(env.currentFolder);
    if (whole)
        CliActions::mark(model, actions);
    const bool marking = !actions.marks.isEmpty();
    // Marks are shown whoever made them: the rules, or the session file that was loaded.
    const bool showMarks = marking || model.markedCount() > 0;
    switch (options.format)
    {
    case CliOptions::Format::Text:
        CliOutput::writeText(model, env.out, showMarks);
        break;
    case CliOptions::Format::Groups:
        CliOutput::writeGroups(model, env.out);
        break;
    case CliOptions::Format::Json:
        CliOutput::writeJson(model, env.out, showMarks);
        break;
    case CliOptions::Format::Nul:
        CliOutput::writeNul(model, env.out, marking);
        break;
    }
    if (!options.quiet)
        env.err.write(closing);
    if (!whole)
        return CliExit::Failed;
    const int acted = CliActions::act(model, actions, options.quiet, env.out, env.err, sink.errors());
    // A file written to /dev/stdout comes after the listing, not before what is still buffered.
    if (auto *out = qobject_cast<QFileDevice *>(&env.out))
        out->flush();
    if (!CliSession::writeFiles(files, state, model, duplicatesPanel, sink.errors()))
        return CliExit::Failed;
    return acted;
}
