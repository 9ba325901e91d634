#include "cli/CliRun.h"

#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "cli/CliScanSink.h"
#include "engine/ScanPipeline.h"
#include "platform/FileFunctions.h"
#include "results/ResultModel.h"

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
    const SearchLocationList locations = options.locations(env.currentFolder);
    for (const SearchLocation &l : locations.rows())
    {
        if (!l.excluded() && !FileFunctions::FolderExists(l.folder))
        {
            say(env.err, QStringLiteral("no such folder: ") + l.folder);
            return CliExit::Failed;
        }
    }

    CliScanSink sink(env.err, env.progress && !options.quiet, env.columns);
    ResultModel model;
    const ScanSummary summary = ScanPipeline(sink, model).run(locations, options.scan);
    sink.clearProgress();

    if (options.format == CliOptions::Format::Groups)
        CliOutput::writeGroups(model, env.out);
    else
        CliOutput::writeText(model, env.out);
    if (!options.quiet)
        env.err.write(CliOutput::summary(summary));
    return summary.CancelSearch || sink.failed() ? CliExit::Failed : CliExit::Completed;
}
