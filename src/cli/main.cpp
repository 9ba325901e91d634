// SPDX-License-Identifier: GPL-3.0-or-later
// corvina-cli: the headless front end. Everything but the process itself is in CliRun.
#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "core/Translations.h"
#include "engine/ContentGroups.h"
#include "platform/AppFolders.h"
#include "platform/NativePath.h"
#include "platform/Terminal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    AppFolders::exportHome();
    ContentGroups::prepareProcess();
    QCoreApplication app(argc, argv);
    // Standard error and --help in the user's language (LANG); the listing on standard output and
    // the files written are the same in every language, since scripts read them.
    Translations::install(app);
    // Arguments as their bytes: a folder whose name is not UTF-8 is still found.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(NativePath::decode(argv[i], static_cast<qsizetype>(std::strlen(argv[i]))));
    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    // Only the trash needs a home folder (a search or an export does not): without one, --trash
    // is refused before anything is searched, rather than a trash made outside the user's folders.
    const CliCommand command = parseCommandLine(arguments);
    if (command.action == CliCommand::Action::Scan && command.options.actions.act == CliActionOptions::Act::Trash)
    {
        if (const QString problem = AppFolders::dataHomeProblem(); !problem.isEmpty())
        {
            err.write((QStringLiteral("corvina-cli: ") +
                       QCoreApplication::translate("CliRun", "%1; --trash needs it for the trash").arg(problem) + u'\n')
                          .toUtf8());
            return CliExit::Failed;
        }
    }
    // A file written to standard output ("-") is all that goes there; what the run shows besides
    // goes to standard error.
    QIODevice &shown = command.options.session.writesToStandardOutput() ? static_cast<QIODevice &>(err) : out;
    const CliEnvironment env{shown, err, Terminal::stderrIsTerminal(), Terminal::stderrColumns(), QDir::currentPath()};
    return runCli(arguments, env);
}
