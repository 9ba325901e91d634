// SPDX-License-Identifier: GPL-3.0-or-later
// The built corvina-cli run as a script would run it, for the tests of the program as a whole.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

struct Outcome
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

/// Runs corvina-cli (CORVINA_CLI, set by the test's target) with the arguments, in the
/// environment, folder and user the process was given, and waits for it.
inline Outcome runCli(QProcess &process, const QStringList &arguments)
{
    process.start(QStringLiteral(CORVINA_CLI), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

/// Every name in the folder, hidden ones included.
inline QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}
