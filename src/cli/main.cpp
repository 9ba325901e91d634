// SPDX-License-Identifier: GPL-3.0-or-later
// corvina-cli: the headless front end. Everything but the process itself is in CliRun.
#include "cli/CliRun.h"
#include "engine/ContentGroups.h"
#include "platform/NativePath.h"
#include "platform/Terminal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    ContentGroups::prepareDescriptors();
    QCoreApplication app(argc, argv);
    // Arguments as their bytes: a folder whose name is not UTF-8 is still found.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(NativePath::decode(argv[i], static_cast<qsizetype>(std::strlen(argv[i]))));
    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    const CliEnvironment env{out, err, Terminal::stderrIsTerminal(), Terminal::stderrColumns(), QDir::currentPath()};
    return runCli(arguments, env);
}
